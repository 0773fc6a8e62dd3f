#include "view_cpp/main_window.h"

#include "view_cpp/language_support.h"

#include <QIcon>

// Q_INIT_RESOURCE must be called from the global namespace. The images live in a static library,
// so nothing pulls their registration in unless it is named here.
static void initFrameImages()
{
    Q_INIT_RESOURCE(frame_images);
}

namespace view {

MainWindow *MainWindow::instance = nullptr;

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    initFrameImages();
    instance = this;
}

MainWindow::~MainWindow()
{
    if (instance == this)
        instance = nullptr;
}

void MainWindow::setBrandWindowIdentity(signalInterface::VariantTypes::Brand brand)
{
    // A brand without a logo gives the bare directory, which loads no image: the platform's
    // default icon stays.
    setWindowIcon(QIcon(QStringLiteral(":images/") + LanguageSupport::brandLogoFileName(brand)));
    setWindowTitle(LanguageSupport::pcControlPanelText());
}

void MainWindow::setDefaultWindowIdentity()
{
    setWindowIcon(QIcon(QStringLiteral(":images/Flaticon_34964.png")));
    setWindowTitle(LanguageSupport::pcControlPanelText());
}

void MainWindow::setFixedWindowSize(int width, int height)
{
    setFixedSize(width, height);
}

} // namespace view
