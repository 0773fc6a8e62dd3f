#include "view_cpp/qml_application_viewer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QQmlEngine>
#include <QUrl>

QmlApplicationViewer::QmlApplicationViewer(QWidget *parent)
    : QQuickWidget(parent)
{
    // Qt.quit() in the scene closes this window.
    connect(engine(), &QQmlEngine::quit, this, &QWidget::close);
    setResizeMode(QQuickWidget::SizeRootObjectToView);
}

QmlApplicationViewer::~QmlApplicationViewer() = default;

QmlApplicationViewer *QmlApplicationViewer::create()
{
    return new QmlApplicationViewer();
}

QString QmlApplicationViewer::resolveDeploymentPath(const QString &path)
{
    const QString directory = QCoreApplication::applicationDirPath();
    const QString above = QStringLiteral("%1/../%2").arg(directory, path);
    if (QFileInfo::exists(above))
        return above;
    const QString beside = QStringLiteral("%1/%2").arg(directory, path);
    if (QFileInfo::exists(beside))
        return beside;
    return path;
}

void QmlApplicationViewer::loadMainFile(const QString &file)
{
    m_mainQmlFile = resolveDeploymentPath(file);
    setSource(QUrl::fromLocalFile(m_mainQmlFile));
}

void QmlApplicationViewer::addQmlImportPath(const QString &path)
{
    engine()->addImportPath(resolveDeploymentPath(path));
}

void QmlApplicationViewer::lockOrientation(int orientation)
{
    Q_UNUSED(orientation)
}

void QmlApplicationViewer::showWindow()
{
    setVisible(true);
}
