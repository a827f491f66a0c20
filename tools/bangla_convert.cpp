// Converts Bengali between Unicode and the SutonnyMJ layout, for checking
// texts by hand: reads UTF-8 on stdin, writes UTF-8 on stdout.
//
//   bangla_convert --to-unicode < layout.txt
//   bangla_convert --to-layout  < unicode.txt

#include <QString>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

#include "bangla/bangla.h"

int main(int argc, char** argv) {
    const bool toUnicode = argc == 2 && std::strcmp(argv[1], "--to-unicode") == 0;
    const bool toLayout = argc == 2 && std::strcmp(argv[1], "--to-layout") == 0;
    if (!toUnicode && !toLayout) {
        std::fprintf(stderr, "usage: %s --to-unicode | --to-layout  (UTF-8 stdin -> stdout)\n",
                     argv[0]);
        return 2;
    }
    const std::string input{std::istreambuf_iterator<char>(std::cin),
                            std::istreambuf_iterator<char>()};
    const QString text = QString::fromUtf8(input.data(), qsizetype(input.size()));
    const QString result = toUnicode ? bangla::toUnicode(text) : bangla::toLayout(text);
    const QByteArray bytes = result.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return std::ferror(stdout) ? 1 : 0;
}
