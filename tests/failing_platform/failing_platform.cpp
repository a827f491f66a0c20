// Three platforms for the start-up tests, on any Qt and any machine:
// "failing" says why it cannot start, as Qt's own plugins do, and gives no
// integration; "screenless" starts, with no screen, and says so; "aborting"
// ends the process itself, as some of Qt's plugins do. Each first gives the
// messages TEST_PLATFORM_SAYS lists, so that a test has messages of every
// kind and category while the program starts, whatever Qt's version says:
// "warning orvanta.test A warning;critical qt.qpa.test Not this one".
#include <QtGui/private/qgenericunixeventdispatcher_p.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformintegrationplugin.h>

#include <QLoggingCategory>
#include <QMessageLogger>

namespace {

Q_LOGGING_CATEGORY(failingPlatform, "qt.qpa.failing")
Q_LOGGING_CATEGORY(screenlessPlatform, "qt.qpa.screenless")

class ScreenlessIntegration : public QPlatformIntegration {
public:
    QPlatformWindow* createPlatformWindow(QWindow*) const override { return nullptr; }
    QPlatformBackingStore* createPlatformBackingStore(QWindow*) const override { return nullptr; }
    QAbstractEventDispatcher* createEventDispatcher() const override {
        return createUnixEventDispatcher();
    }
};

void sayWhatTheTestAsks() {
    for (const QByteArray& entry : qgetenv("TEST_PLATFORM_SAYS").split(';')) {
        const QList<QByteArray> parts = entry.split(' ');
        if (parts.size() < 3) continue;
        const QByteArray category = parts[1];
        const QByteArray text = entry.mid(parts[0].size() + category.size() + 2);
        const QLoggingCategory said(category.constData());
        const QMessageLogger logger;
        if (parts[0] == "debug") {
            logger.debug(said, "%s", text.constData());
        } else if (parts[0] == "info") {
            logger.info(said, "%s", text.constData());
        } else if (parts[0] == "warning") {
            logger.warning(said, "%s", text.constData());
        } else if (parts[0] == "critical") {
            logger.critical(said, "%s", text.constData());
        }
    }
}

}  // namespace

class FailingPlatformPlugin : public QPlatformIntegrationPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformIntegrationFactoryInterface_iid FILE "failing_platform.json")

public:
    QPlatformIntegration* create(const QString& key, const QStringList&) override {
        sayWhatTheTestAsks();
        if (key.compare(QLatin1String("screenless"), Qt::CaseInsensitive) == 0) {
            qCWarning(screenlessPlatform, "The test platform found no screen.");
            return new ScreenlessIntegration;
        }
        if (key.compare(QLatin1String("aborting"), Qt::CaseInsensitive) == 0) {
            qFatal("The test platform cannot go on.");
        }
        qCWarning(failingPlatform, "The test platform has no device to show windows on.");
        return nullptr;
    }
};

#include "failing_platform.moc"
