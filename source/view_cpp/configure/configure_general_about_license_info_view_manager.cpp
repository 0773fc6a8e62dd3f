#include "view_cpp/configure/configure_general_about_license_info_view_manager.h"

#include "control/variant_controller_base.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/source_file_name.h"
#include "view_cpp/text_row_item.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::UserMessageTypes::UserMessage;

namespace {

constexpr quint32 fileNotFoundMessageId = 0x201c;
constexpr quint32 internalErrorMessageId = 0x201b;
// The line of this source file named by the message about a file that cannot be opened.
constexpr int openFailureLine = 354;

// The layout type of the list rows, whose place the model sets.

// The libraries of this PC that the program loads and whose licences ask for their notice to be
// passed on, one entry per upstream project, in the order of the list; the ids are the list
// positions. scripts/collect-licence-texts.sh writes their folders and keeps the same list.
struct LinuxComponentEntry
{
    const char *name;
    const char *folder;
};

const LinuxComponentEntry linuxComponentTable[] = {
    {"Brotli", "linux/brotli"},
    {"D-Bus", "linux/dbus"},
    {"double-conversion", "linux/double-conversion"},
    {"e2fsprogs com_err", "linux/com_err"},
    {"Expat", "linux/expat"},
    {"Fontconfig", "linux/fontconfig"},
    {"FreeType", "linux/freetype"},
    {"GLib", "linux/glib"},
    {"GNU C Library", "linux/glibc"},
    {"Libgcrypt and libgpg-error", "linux/gnupg"},
    {"Graphite2", "linux/graphite2"},
    {"HarfBuzz", "linux/harfbuzz"},
    {"ICU", "linux/icu"},
    {"keyutils", "linux/keyutils"},
    {"Kerberos (MIT krb5)", "linux/krb5"},
    {"libbsd", "linux/libbsd"},
    {"libcap", "linux/libcap"},
    {"libglvnd (EGL, GLX, OpenGL)", "linux/libglvnd"},
    {"libmd", "linux/libmd"},
    {"libpng", "linux/libpng"},
    {"libproxy", "linux/libproxy"},
    {"libxkbcommon", "linux/libxkbcommon"},
    {"LZ4", "linux/lz4"},
    {"MD4C", "linux/md4c"},
    {"PCRE2", "linux/pcre2"},
    {"systemd (libsystemd)", "linux/systemd"},
    {"X11 client libraries (libX11, libXau, libXdmcp, libxcb)", "linux/xorg"},
    {"Zstandard", "linux/zstd"},
};

// The row of one line of a file, its line break included: Latin-1 up to the first NUL byte, with
// a "\r\n" line end read as "\n".
QString lineText(QByteArrayView line)
{
    const qsizetype nul = line.indexOf('\0');
    if (nul >= 0)
        return QString::fromLatin1(line.first(nul));
    if (line.endsWith("\r\n"))
        return QString::fromLatin1(line.chopped(2)) + QLatin1Char('\n');
    return QString::fromLatin1(line);
}

} // namespace

ConfigureGeneralAboutLicenseInfoViewManager::ConfigureGeneralAboutLicenseInfoViewManager(
    QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_licenseTextModel(TextRowItem::roleNames(), this)
    , m_componentModel(RowItem::roleNames(), this)
    , m_componentInfoModel(TextRowItem::roleNames(), this)
    , m_componentLicenseModel(TextRowItem::roleNames(), this)
    , m_linuxComponentsModel(RowItem::roleNames(), this)
    , m_licenseDirectory(defaultLicenseDirectory())
{
    fillSoftwareComponents();
    fillLinuxComponents();
}

QString ConfigureGeneralAboutLicenseInfoViewManager::defaultLicenseDirectory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/qml/view/licenses/");
}

void ConfigureGeneralAboutLicenseInfoViewManager::setLicenseDirectory(const QString &directory)
{
    m_licenseDirectory = directory;
    if (!m_licenseDirectory.endsWith(QLatin1Char('/')))
        m_licenseDirectory += QLatin1Char('/');
}

int ConfigureGeneralAboutLicenseInfoViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(licenseInfoViewVisibleChanged(bool)), SLOT(onLicenseInfoViewVisibleChanged(bool))},
         {SIGNAL(componentInfoViewVisibleChanged(bool)),
          SLOT(onComponentInfoViewVisibleChanged(bool))},
         {SIGNAL(linuxComponentsViewVisibleChanged(bool)),
          SLOT(onLinuxComponentsViewVisibleChanged(bool))},
         {SIGNAL(softwareComponentSelected(int)), SLOT(onSoftwareComponentSelected(int))},
         {SIGNAL(linuxComponentSelected(int)), SLOT(onLinuxComponentSelected(int))}});
}

void ConfigureGeneralAboutLicenseInfoViewManager::fillSoftwareComponents()
{
    m_softwareComponents.clear();
    m_softwareComponents.push_back(
        {tr("Qt"), ConfigureTypes::E_componentQt, "qt/info.txt", "qt/LICENSE"});
    m_softwareComponents.push_back({tr("Protocol Buffers"),
                                    ConfigureTypes::E_componentProtocolBuffers,
                                    "protocol_buffers/info.txt", "protocol_buffers/LICENSE"});
    // The command line reader is compiled into the program. This edition runs on the PC's own
    // system, so the id of the panel's Linux system serves it.
    m_softwareComponents.push_back(
        {tr("TCLAP"), ConfigureTypes::E_componentLinux, "tclap/info.txt", "tclap/COPYING"});
    // Not a component: the row that opens the list of the PC's libraries.
    m_softwareComponents.push_back(
        {tr("Libraries of this PC"), ConfigureTypes::E_componentLinuxComponents, {}, {}});
}

void ConfigureGeneralAboutLicenseInfoViewManager::fillLinuxComponents()
{
    m_linuxComponents.clear();
    int id = 0;
    for (const LinuxComponentEntry &entry : linuxComponentTable) {
        const QByteArray folder(entry.folder);
        m_linuxComponents.push_back(
            {QString::fromLatin1(entry.name), id++, folder + "/info.txt", folder + "/copyright"});
    }
}

void ConfigureGeneralAboutLicenseInfoViewManager::fillList(
    ListModel &model, const std::vector<ComponentRecord> &records)
{
    model.clear();
    for (const ComponentRecord &record : records) {
        auto *row = new RowItem(rowType::onlySubmenu, 0, rowLayoutType::multiple);
        row->setApplId(record.id);
        row->setTextOnSubMenu(record.name);
        model.appendItem(row);
    }
    model.updateLayoutOrder();
}

void ConfigureGeneralAboutLicenseInfoViewManager::rebuildComponentList()
{
    fillList(m_componentModel, m_softwareComponents);
}

void ConfigureGeneralAboutLicenseInfoViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    fillSoftwareComponents();
    if (!m_softwareComponents.empty())
        rebuildComponentList();
}

void ConfigureGeneralAboutLicenseInfoViewManager::onLicenseInfoViewVisibleChanged(bool visible)
{
    if (!visible) {
        m_componentModel.clear();
        m_licenseTextModel.clear();
        return;
    }
    m_licenseTextModel.clear();
    const control::VariantControllerBase *variant = control::VariantControllerBase::instance();
    // The brand of this edition names the panel; without a variant controller "This" does.
    const QString brand =
        variant != nullptr ? LanguageSupport::brandText(variant->brand()) : tr("This");
    const QString introduction =
        tr("%1 control panel is designed using open source software components, which are "
           "subject to the copyrights of their authors.")
            .arg(brand, 0, QLatin1Char(' '));
    m_licenseTextModel.appendItem(new TextRowItem(introduction, false));
    m_licenseTextModel.appendItem(
        new TextRowItem(tr("Component and license info is provided in english only, many "
                           "licenses provide translations on their respective web site. Select "
                           "component in the list below to see respective info."),
                        false));
    rebuildComponentList();
}

void ConfigureGeneralAboutLicenseInfoViewManager::onComponentInfoViewVisibleChanged(bool visible)
{
    if (visible)
        return; // the texts were read when the component was chosen
    m_componentInfoModel.clear();
    m_componentLicenseModel.clear();
}

void ConfigureGeneralAboutLicenseInfoViewManager::onLinuxComponentsViewVisibleChanged(bool visible)
{
    if (visible)
        fillList(m_linuxComponentsModel, m_linuxComponents);
    else
        m_linuxComponentsModel.clear();
}

void ConfigureGeneralAboutLicenseInfoViewManager::onSoftwareComponentSelected(int id)
{
    ConfigureTypes::SoftwareComponent component{};
    if (m_loading || !ConfigureTypes::fromInt(id, component))
        return;
    if (component == ConfigureTypes::E_componentLinuxComponents) {
        emit softwareComponentSelected(id);
        return;
    }
    for (const ComponentRecord &record : m_softwareComponents) {
        if (record.id == id) {
            load(record);
            emit softwareComponentSelected(id);
            return;
        }
    }
}

void ConfigureGeneralAboutLicenseInfoViewManager::onLinuxComponentSelected(int id)
{
    ConfigureTypes::LinuxComponent component{};
    if (m_loading || !ConfigureTypes::fromInt(id, component))
        return;
    for (const ComponentRecord &record : m_linuxComponents) {
        if (record.id == id) {
            load(record);
            emit linuxComponentSelected(id);
            return;
        }
    }
}

void ConfigureGeneralAboutLicenseInfoViewManager::load(const ComponentRecord &record)
{
    m_loading = true;
    emit timeConsumingActivityStarted();
    // Lets the scene show that the panel is busy; a tap meanwhile waits until the read is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    emit componentTitleChanged(record.name);
    readInto(record.infoFile, m_componentInfoModel);
    readInto(record.licenceFile, m_componentLicenseModel);
    emit timeConsumingActivityFinished();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_loading = false;
}

void ConfigureGeneralAboutLicenseInfoViewManager::readInto(const QByteArray &relativePath,
                                                           ListModel &model)
{
    const QString path = m_licenseDirectory + QString::fromLatin1(relativePath);
    const QFileInfo info(path);
    if (!info.exists()) {
        UserMessage message(fileNotFoundMessageId);
        message.arguments << path;
        emit panelUserMessageIssued(message, nullptr);
        return;
    }
    QFile file(path);
    // Only a plain file is read: a folder cannot be, and a pipe or a device could keep the
    // screen waiting for ever.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        UserMessage message(internalErrorMessageId);
        message.arguments << message::sourceFileName(QStringLiteral(__FILE__))
                          << QString::number(openFailureLine) << path;
        emit panelUserMessageIssued(message, nullptr);
        return;
    }
    model.clear();
    // One read up to the limit: reading line by line asks for a buffer of the bytes still
    // allowed for every line, which makes a file of many short lines slow. The read asks for no
    // more than the file holds, since QIODevice sets aside all it is asked for.
    const QByteArray text = file.read(qMin(file.size(), maximumFileBytes));
    bool cut = !file.atEnd();
    int lines = 0;
    for (qsizetype start = 0; start < text.size(); ++lines) {
        if (lines == maximumLines) {
            cut = true;
            break;
        }
        const qsizetype newline = text.indexOf('\n', start);
        const qsizetype end = newline < 0 ? text.size() : newline + 1;
        model.appendItem(
            new TextRowItem(lineText(QByteArrayView(text).sliced(start, end - start)), false));
        start = end;
    }
    if (cut)
        model.appendItem(new TextRowItem(tr("[The rest of the file is not shown.]"), false));
}

} // namespace view
