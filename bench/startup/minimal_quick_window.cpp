// The smallest program that shows a Qt Quick scene the way the panel does: a main window whose
// central widget is a QQuickWidget, fixed to the panel's size. The yardstick of the start-up
// benchmark.

#include <QApplication>
#include <QMainWindow>
#include <QQuickWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto *view = new QQuickWidget;
    view->setResizeMode(QQuickWidget::SizeRootObjectToView);
    view->setSource(QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/minimal_quick_window.qml")));
    window.setCentralWidget(view);
    window.setFixedSize(340, 600);
    window.show();
    return QApplication::exec();
}
