#pragma once

#include "signal_interface/variant_types.h"

#include <QMainWindow>

namespace view {

// The program's one top-level window. The QML view is its central widget; the objects that the
// QML object providers create use it as their QObject parent, through instance().
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The live window, or null before it is built and after it is gone.
    static MainWindow *instance;

    // The brand's logo as the window icon (none for a brand without a logo) and the title
    // "PC Control Panel".
    void setBrandWindowIdentity(signalInterface::VariantTypes::Brand brand);
    // The neutral icon and the title "PC Control Panel".
    void setDefaultWindowIdentity();
    // The window cannot be resized by the user.
    void setFixedWindowSize(int width, int height);
};

} // namespace view
