#include "shell/dictionary_layout.h"

namespace shell {

namespace {

constexpr Placement kNone{0, 0, -1};

constexpr std::array<DictionaryLayout, 5> kLayouts{{
    {
        1, "Orvanta Abbreviation Dictionary", 8235, ":/backgrounds/form1.jpg",
        "Label7", "Label16", "You selected: Oxford Abbreviation Dictionary", 4455, true,
        2055, 375, 645, false, "Calibri", 12,
        {{{6720, 1680, 0}, {6720, 2520, 1}, {6720, 3360, 2}, {6720, 4200, 3}, {6720, 5040, 4}}},
        {6840, 1200, 5}, {6720, 5880, 6}, {7850, 75, 7}, {7100, 30, 8}, {7480, 75, 9},
        {240, 3360, 10},
        {360, 1200, 18}, {360, 2040, 13}, {3000, 2040, 15}, {3000, 3480, 17},
        {360, 6240, 19}, {6360, 1800, 20},
        {360, 1530, 12}, {360, 2400, 11}, {3000, 2400, 14}, {3000, 3840, 16},
    },
    {
        2, "Orvanta Computer Abbreviation", 8250, ":/backgrounds/form2.jpg",
        "Label16", "Label11", "You selected: Orvanta Computer Abbreviation Dictionary", 5655, false,
        2055, 375, 645, false, "Calibri", 12,
        {{{6720, 1635, 13}, {6720, 2475, 12}, {6720, 3240, 11}, {6720, 4080, 14}, {6720, 4920, 10}}},
        {6840, 1155, 9}, {6720, 5760, 18}, {7850, 60, 8}, {7100, 30, 7}, {7480, 60, 15},
        kNone,
        {360, 1155, 4}, {360, 1995, 6}, {3000, 2040, 16}, {3000, 3435, 5},
        {360, 6240, 17}, {6360, 2610, 19},
        {360, 1485, 2}, {360, 2355, 3}, {3000, 2355, 1}, {3000, 3795, 0},
    },
    {
        3, "Orvanta Hardware Abbreviation", 8235, ":/backgrounds/form3.jpg",
        "Label7", "Label11", "You selected: Orvanta Hardware Abbreviation Dictionary", 5655, false,
        2175, 255, 1725, true, "SutonnyMJ", 14.25,
        {{{6720, 1700, 11}, {6720, 2580, 12}, {6720, 3400, 13}, {6720, 4250, 15}, {6720, 5100, 16}}},
        {6840, 1200, 14}, {6720, 5950, 17}, {7850, 60, 0}, {7100, 30, 2}, {7500, 60, 1},
        kNone,
        {360, 1200, 10}, {360, 2040, 8}, {3120, 2040, 7}, {3120, 4320, 9},
        {360, 6240, 18}, {6360, 3520, 19},
        {360, 1560, 4}, {360, 2400, 3}, {3120, 2400, 5}, {3120, 4680, 6},
    },
    {
        4, "Bangladesh Abbreviation", 8235, ":/backgrounds/form4.jpg",
        "Label16", "Label11", "You selected: Bangladesh Abbreviation Dictionary", 5655, false,
        2175, 375, 645, false, "Calibri", 12,
        {{{6720, 1680, 14}, {6720, 2520, 15}, {6720, 3285, 16}, {6720, 4125, 13}, {6720, 4965, 17}}},
        {6840, 1200, 18}, {6720, 5805, 12}, {7850, 60, 0}, {7100, 30, 2}, {7500, 60, 1},
        kNone,
        {360, 1200, 6}, {360, 2040, 7}, {3120, 2040, 8}, {3120, 3480, 10},
        {360, 6240, 11}, {6360, 4250, 19},
        {360, 1560, 4}, {360, 2400, 5}, {3120, 2400, 9}, {3120, 3840, 3},
    },
    {
        5, "International Abbreviation", 8235, ":/backgrounds/form5.jpg",
        "Label7", "Label16", "You selected: International Abbreviation Dictionary", 5295, false,
        2055, 375, 645, false, "Calibri", 12,
        {{{6720, 1680, 18}, {6720, 2520, 17}, {6720, 3360, 16}, {6720, 4200, 15}, {6720, 5040, 14}}},
        {6840, 1200, 13}, {6720, 5880, 12}, {7840, 60, 2}, {7100, 30, 1}, {7480, 60, 0},
        kNone,
        {360, 1200, 8}, {360, 2040, 11}, {3000, 2040, 10}, {3000, 3480, 9},
        {360, 6240, 7}, {6360, 5160, 19},
        {360, 1530, 5}, {360, 2400, 6}, {3000, 2400, 4}, {3000, 3840, 3},
    },
}};

}  // namespace

const DictionaryLayout& dictionaryLayout(int number) {
    if (number < 1 || number > 5) number = 1;
    return kLayouts[static_cast<std::size_t>(number - 1)];
}

}  // namespace shell
