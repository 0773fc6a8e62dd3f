#pragma once

#include "frame_test_support.h"
#include "scene_items.h"

#include "sauna_simulator/simulated_sauna.h"
#include "sauna_simulator/simulator_options.h"
#include "view_cpp/list_model.h"
#include "view_cpp/panel_frame.h"

#include <QDateTime>
#include <QQuickItem>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// The whole panel with the real scene, and the simulated sauna it talks to on loopback, for the
// tests that use the panel as a user does: every tap is a mouse click on the scene's widget where
// the item is drawn. A test class derives from it next to QObject and calls its steps from its
// test functions; a step that checks ends the calling step at its first failure (see STEP).
class PanelUnderTest
{
protected:
    static constexpr int waitMs = 10000;

    // Registers what the program registers and switches auto-connect off: only a test's own steps
    // connect the panel. Done by createPanel() too; a test calls it first where it writes the
    // settings store before the panel exists.
    static void prepareProcess();

    // The sauna's clock when it starts, whatever the hour, day or zone the test runs in: a
    // Wednesday morning in the middle of a month, days away from the Monday evening a new weekday
    // program takes and from a month's end.
    static QDateTime saunaStartClock();
    // A sauna on free ports of loopback that does not heat up by itself, its clock started at
    // saunaStartClock().
    static tools::SimulatorOptions saunaOptions();
    static tools::SimulatorOptions saunaOptions(const QString &name, const QString &pin);

    void startSauna(const tools::SimulatorOptions &options);
    // The variant controller and the panel, not yet shown: what a test may check before the scene
    // is loaded.
    void createPanel();
    // The scene loaded and wired without failures, the link started and the window shown.
    void startPanel();
    // The same without the link: no datagram is sent.
    void showPanelWithoutLink();
    // The sauna, and the panel started knowing no sauna and with auto-connect off: only the
    // user's steps can connect it. The sauna's announcement port is not the one the panel
    // broadcasts to, so only a typed address can find it.
    void startKnowingNoSauna(const tools::SimulatorOptions &options);
    // The sauna, the panel, and the connection between them.
    void startConnected(const tools::SimulatorOptions &options);
    // Products as the simulator's --product option names them.
    static constexpr int dryProduct = 37;
    static constexpr int infraredProduct = 39;
    static constexpr int combiProduct = 31;
    static constexpr int steamProduct = 32;
    // The rows "sauna", "ir", "combi" and "steam" of a test with the columns "product" and
    // "offered": whether the product controls humidity.
    static void addProductHumidityRows();
    // The sauna as that product and the panel, connected, once the sauna has told what it has.
    void startWithProduct(int product);
    // The sauna found at its address, its PIN saved and a connect asked for, as the Network
    // screen does; its own test takes these steps by taps (connectOnTheNetworkScreen()).
    void connectToTheSauna();
    void shutDown();

    QQuickItem *sceneRoot() const { return sceneRootOf(*m_frame); }
    // Waits until no page and no list of the scene moves any more: a press on a list that still
    // moves only stops it and reaches none of its rows.
    void waitForPagesAtRest() { waitForSceneAtRest(sceneRoot(), waitMs); }
    QQuickItem *findRow(const QString &listName, const QString &text) const
    {
        return ::findRow(sceneRoot(), listName, text);
    }
    QStringList rowTexts(const QString &listName) const
    {
        return ::rowTexts(sceneRoot(), listName);
    }
    QStringList visibleNames() { return visibleItemNames(sceneRoot()); }

    QQuickItem *waitForItem(const QString &objectName)
    {
        return waitForVisibleItem(*m_frame, objectName, waitMs);
    }
    // A visible item below the root that passes the test, waited for; what names it in the
    // warning when none comes.
    QQuickItem *waitForItem(QQuickItem *root, const std::function<bool(QQuickItem *)> &test,
                            const QString &what);

    // A press and release in the middle of the item; a failure, not a tap, when the scene has
    // destroyed it while settling.
    void tap(QQuickItem *item) { tap(item, {}); }
    // The visible item of that name, looked up again at the tap when the one found went away.
    void tap(const QString &objectName);
    // A press and release in the middle of the item. A list may build its rows anew while the
    // scene settles (a report arrives); a row that went away is looked up again by the finder.
    void tap(QQuickItem *item, const std::function<QQuickItem *()> &finder);

    // The row of a program-built list that carries the application id. The list is looked up
    // anew while waiting: a page on its way out still shows its list, with rows of the same ids,
    // and the page pushed a moment ago replaces it.
    void tapRow(const QString &listName, int applId);
    // The row of the page's own list that carries the application id; not a row of a page below
    // it that the stack still shows while it moves. Dragged into the list's view first.
    void tapPageRow(const QString &pageName, int applId);
    // The row the finder returns, dragged into its list's view first as a finger does, then
    // tapped. A list builds the rows near its view only: while the finder finds none, the list is
    // dragged towards its end.
    void dragIntoViewAndTap(const std::function<QQuickItem *()> &findRow, const QString &what);

    // The tab of the bottom bar with that text, or at that place whatever language its text is
    // in; none while it is not shown.
    QQuickItem *tabButton(const QString &text);
    QQuickItem *tabButton(int index);
    // The tab with that text, or at that place; looked up again at the tap when the bar was
    // built anew (a language switch).
    void tapTab(const QString &text);
    void tapTab(int index);
    static constexpr int saunaTabIndex = 0;
    static constexpr int settingsTabIndex = 3;

    // Back to the list of settings areas, with the back arrows a user taps.
    void backToSettingsAreas();
    // From the settings areas: the area's menu, and its row of that id, scrolled into view,
    // that opens the named page.
    void openSettingsPage(const QString &area, int applId, const QString &pageName);
    // From the settings areas: the relay options, and that relay's page.
    void openRelay(int relay);
    // From the settings areas: the descaling page of the relay the sauna descales with.
    void openDescalingPage();
    // The relay the simulated sauna descales with.
    int descalingRelay() const;
    // Waits until the sauna's full report has brought the relays: its descaling relay is
    // connected.
    void waitForDescalingRelay();

    // A visible text item showing exactly the text.
    bool showsText(const QString &text);
    // The application ids of a list model's rows, in order.
    static QList<int> applIdsOf(const view::ListModel &model);

    // Answers every message the popup shows, one after the other, with its button; returns their
    // texts. Every tap must press the popup's button, or the same message would be read twice.
    QStringList dismissPopups();

    // The window as it is drawn now, in artifacts/<name>.png below the working directory.
    void saveScreenshot(const QString &name);

    // A tap into the entry field and the text typed on the keyboard; no Return: the field is
    // left by the next tap elsewhere.
    void type(const QString &fieldName, const QString &text);
    // Types on the on-screen keyboard's keys: the shift key for capitals, the space key.
    void typeOnKeyboard(const QString &text);

    // The up button of a stepper's column (0 = the first) inside the editor.
    QQuickItem *stepUpButton(const QString &editorName, int column);
    // The visible item below the parent whose class name contains the text, first in the order of
    // its x position; of the step buttons, the ones of that direction.
    QQuickItem *visibleOfClass(QQuickItem *parent, const char *className, bool increase);
    // On an open duration editor: one step up of the hours, then Save.
    void stepHoursUpAndSave();

    // The sauna's clock now, as the simulator keeps it.
    QDateTime saunaClock() const;

    // The Network screen's page on top.
    QString currentNetworkPage();
    // On the found system's details: the PIN typed on its editor and saved, then Connect.
    void enterPinAndConnect(const QString &pin);
    // The way a user connects the first time, on a panel that knows no sauna: Settings, System,
    // Network; the sauna's address and port typed in, Detect, the found system opened, a wrong
    // PIN refused, the right one connects. With a name, screenshots of the list of found systems
    // and of the connected system's details, as <name>_list and <name>_details.
    void connectOnTheNetworkScreen(const QString &screenshotName = QString());

    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    std::unique_ptr<control::VariantControllerPcPanel> m_variant;
    std::unique_ptr<startUp::PanelFrame> m_frame;

private:
    void showPanel(bool startLink);

    tools::SimulatorOptions m_saunaOptions;
};
