// Two platforms for the start-up tests, on any Qt and any machine: "failing"
// says why it cannot start, as Qt's own plugins do, and gives no integration;
// "screenless" starts, with no screen, and says so.
#include <QtGui/private/qgenericunixeventdispatcher_p.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformintegrationplugin.h>

#include <QLoggingCategory>

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

}  // namespace

class FailingPlatformPlugin : public QPlatformIntegrationPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformIntegrationFactoryInterface_iid FILE "failing_platform.json")

public:
    QPlatformIntegration* create(const QString& key, const QStringList&) override {
        if (key.compare(QLatin1String("screenless"), Qt::CaseInsensitive) == 0) {
            qCWarning(screenlessPlatform, "The test platform found no screen.");
            return new ScreenlessIntegration;
        }
        qCWarning(failingPlatform, "The test platform has no device to show windows on.");
        return nullptr;
    }
};

#include "failing_platform.moc"
