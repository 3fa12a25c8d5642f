#include "frameset/ui/designerfiles.h"

#include "frameset/core/designfilereader.h"
#include "frameset/core/designfilewriter.h"
#include "frameset/core/filenamerules.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/framesetimporter.h"
#include "frameset/core/html5page.h"
#include "frameset/core/layoutmodel.h"
#include "frameset/core/previewsite.h"
#include "frameset/ui/designerwindow.h"
#include "platform/busycursor.h"
#include "platform/filecontent.h"
#include "platform/filedialogs.h"
#include "platform/prompter.h"
#include "platform/webbrowser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

namespace frameset {

namespace {

const QString HtmlFilter
    = QStringLiteral("Web Pages (*.htm)|*.htm|Web Pages (*.html)|*.html|All Files (*.*)|*.*");
const QString SaveSpecFilter = QStringLiteral("Specs (*.spc)|*.spc|All Files (*.*)|*.*");
const QString OpenSpecFilter = QStringLiteral("Spec Files (*.spc)|*.spc|All Files(*.*|*.*");

// The caption of a window showing the design of a design file.
QString fileCaption(const QString &path)
{
    return QStringLiteral("  ") + QFileInfo(path).absoluteFilePath();
}

// The caption of a window showing a design imported from an HTML document.
QString importCaption(const QString &path)
{
    return QStringLiteral("Panecraft - imported from ") + QFileInfo(path).absoluteFilePath();
}

platform::FileDialogRequest saveRequest(const QString &filter, const QString &fileName)
{
    platform::FileDialogRequest request;
    request.filter = filter;
    request.fileName = fileName;
    // The designer asks its own overwrite question.
    request.confirmOverwrite = false;
    return request;
}

} // namespace

DesignerFiles::DesignerFiles(DesignerWindow &window, LayoutModel &model,
    platform::Prompter &prompter, platform::FileDialogs &dialogs)
    : m_window(window)
    , m_model(model)
    , m_messages(prompter)
    , m_dialogs(dialogs)
{ }

DesignerFiles::~DesignerFiles() = default;

bool DesignerFiles::mayOverwrite(const QString &path)
{
    QFile existing(path);
    if (!existing.open(QIODevice::ReadOnly))
        return true;
    existing.close();
    return m_messages.mayOverwrite();
}

void DesignerFiles::createHtmlDocument()
{
    const QString document = buildFramesetDocument(m_model.design());
    const QString chosen = m_dialogs.saveFile(saveRequest(HtmlFilter, m_htmlFileName));
    if (chosen.isEmpty())
        return;
    const QString path = withDefaultExtension(chosen, QStringLiteral(".htm"));
    m_htmlFileName = path;
    if (!mayOverwrite(path)) {
        m_htmlFileName.clear();
        return;
    }
    platform::BusyCursor busy;
    const QString error = writeFramesetDocument(path, document);
    busy.release();
    if (!error.isEmpty())
        m_messages.tellNotWritten(path, error);
}

bool DesignerFiles::writeDesignFile(const QString &path)
{
    platform::BusyCursor busy;
    const QString error = DesignFileWriter::save(path, m_model.design());
    busy.release();
    if (!error.isEmpty()) {
        m_messages.tellNotWritten(path, error);
        return false;
    }
    m_model.setModified(false);
    return true;
}

void DesignerFiles::saveAs()
{
    const QString chosen = m_dialogs.saveFile(saveRequest(SaveSpecFilter, m_designFileName));
    if (chosen.isEmpty())
        return;
    const QString path = withDefaultExtension(chosen, QStringLiteral(".spc"));
    if (!mayOverwrite(path)) {
        // A later Save asks for a name again instead of writing to the refused file.
        m_designFileName.clear();
        return;
    }
    if (!writeDesignFile(path))
        return;
    m_designFileName = path;
    m_window.setWindowTitle(fileCaption(path));
}

void DesignerFiles::save()
{
    if (m_designFileName.isEmpty())
        saveAs();
    else
        writeDesignFile(m_designFileName);
}

void DesignerFiles::openDesignFile()
{
    openDesignFrom([this] {
        platform::FileDialogRequest request;
        request.filter = OpenSpecFilter;
        request.fileName = m_designFileName;
        return m_dialogs.openFile(request);
    });
}

void DesignerFiles::openDesignFile(const QString &path)
{
    openDesignFrom([path] { return path; });
}

bool DesignerFiles::mayReplaceDesign()
{
    return !m_model.isModified() || m_messages.mayReplaceDesign();
}

void DesignerFiles::openDesignFrom(const std::function<QString()> &choose)
{
    if (!mayReplaceDesign())
        return;

    const QString path = choose();
    if (path.isEmpty())
        return;
    if (isHtmlPath(path)) {
        m_messages.tell(DesignFileReader::htmlFileRefusedMessage());
        return;
    }

    platform::BusyCursor busy;
    const DesignFileReadResult read = DesignFileReader::load(path);
    busy.release();
    // The design on screen is replaced only by a design that was read whole: a cancelled
    // dialog, a refused or an invalid file leaves it, its file name and caption as they were.
    switch (read.status) {
    case DesignFileStatus::Valid:
        m_window.showOpenedDesign(read.design, fileCaption(path));
        m_siteFolder.clear();
        m_designFileName = path;
        break;
    case DesignFileStatus::Invalid:
        m_messages.tell(DesignFileReader::invalidFileMessage(path));
        break;
    case DesignFileStatus::TooLong:
        break;
    }
}

void DesignerFiles::importFrameset()
{
    importFrom([this] {
        platform::FileDialogRequest request;
        request.filter = HtmlFilter;
        request.fileName = m_importFileName;
        return m_dialogs.openFile(request);
    });
}

void DesignerFiles::importFrameset(const QString &path)
{
    importFrom([path] { return path; });
}

void DesignerFiles::importFrom(const std::function<QString()> &choose)
{
    if (!mayReplaceDesign())
        return;
    const QString path = choose();
    if (path.isEmpty())
        return;
    m_importFileName = path;
    platform::BusyCursor busy;
    const FramesetImport imported = FramesetImporter::load(path, m_window.importArea());
    busy.release();
    if (!imported.imported()) {
        m_messages.tell(FramesetImporter::refusedMessage(path, imported.refusal),
            platform::MessageIcon::Exclamation);
        return;
    }
    // The HTML document is where the design came from, never where it is saved: Save asks for
    // a design file.
    m_designFileName.clear();
    m_window.showImportedDesign(imported.design, importCaption(path));
    m_siteFolder = QFileInfo(path).absolutePath();
    if (!imported.leftOut.isEmpty())
        m_messages.tell(imported.leftOut, platform::MessageIcon::Information);
}

void DesignerFiles::createHtml5Page()
{
    const QString chosen = m_dialogs.saveFile(saveRequest(HtmlFilter, m_html5FileName));
    if (chosen.isEmpty())
        return;
    const QString path = withDefaultExtension(chosen, QStringLiteral(".htm"));
    m_html5FileName = path;
    if (!mayOverwrite(path)) {
        m_html5FileName.clear();
        return;
    }
    platform::BusyCursor busy;
    const QString page = buildHtml5Page(m_model.design(), QFileInfo(path).completeBaseName());
    const QString error = writeHtml5Page(path, page);
    busy.release();
    if (!error.isEmpty())
        m_messages.tellNotWritten(path, error);
}

void DesignerFiles::previewInBrowser(platform::WebBrowser &browser)
{
    platform::BusyCursor busy;
    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/panecraft-preview-XXXXXX");
    if (!folder->isValid()) {
        busy.release();
        m_messages.tellPreviewFolderFailed(QDir::tempPath(), folder->errorString());
        return;
    }
    const PreviewSite site = writePreviewSite(folder->path(), m_model.design(), m_siteFolder);
    busy.release();
    if (!site.error.isEmpty()) {
        m_messages.tell(site.error, platform::MessageIcon::Exclamation);
        return;
    }
    m_previewFolders.push_back(std::move(folder));
    const QString document = QDir::toNativeSeparators(site.document);
    browser.open(QUrl::fromLocalFile(site.document),
        [this, document](const QString &reason) { m_messages.tellNoBrowser(document, reason); });
}

QStringList DesignerFiles::previewFolders() const
{
    QStringList folders;
    for (const auto &folder : m_previewFolders)
        folders.append(folder->path());
    return folders;
}

} // namespace frameset
