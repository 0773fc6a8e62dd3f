#pragma once

#include <QQuickWidget>
#include <QString>

// A stand-alone QML window that finds its QML files beside the executable. The panel itself shows
// its scenes through the main window; this viewer serves single scenes on their own.
class QmlApplicationViewer : public QQuickWidget
{
    Q_OBJECT

public:
    explicit QmlApplicationViewer(QWidget *parent = nullptr);
    ~QmlApplicationViewer() override;

    static QmlApplicationViewer *create();

    // "<program directory>/../<path>" if it exists, else "<program directory>/<path>" if it
    // exists, else the path unchanged.
    static QString resolveDeploymentPath(const QString &path);

    void loadMainFile(const QString &file);
    void addQmlImportPath(const QString &path);
    // Screen orientation locks do not exist on the desktop, and Qt 6 gives their attribute
    // numbers to other attributes; kept so callers need no platform checks.
    void lockOrientation(int orientation);
    void showWindow();

    const QString &mainQmlFile() const { return m_mainQmlFile; }

private:
    QString m_mainQmlFile;
};
