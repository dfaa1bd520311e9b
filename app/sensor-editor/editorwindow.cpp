#include "editorwindow.h"

#include "common/skinapply.h"
#include "editor/keyedtabwidget.h"
#include "editor/ucscript.h"

#include "errorcore/error.h"
#include "hostkit/documentjobdata.h"
#include "hostkit/jobfile.h"
#include "hostkit/savingnotice.h"
#include "hostkit/skins.h"
#include "platform/ui/modal.h"
#include "platform/ui/msgbox.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QScreen>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPointer>

namespace {

// What a new job starts from: the job kind only; the editor adds the host's
// default properties and schedule and a sensor from the pattern file.
const QString newJobText = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<JobDefinition>\n"
    "  <Definition>\n"
    "    <Type><![CDATA[SENSOR]]></Type>\n"
    "    <SubType><![CDATA[SCRIPT]]></SubType>\n"
    "    <ExecutionEngine><![CDATA[SENSOR]]></ExecutionEngine>\n"
    "  </Definition>\n"
    "</JobDefinition>\n");

} // namespace

EditorWindow::EditorWindow(const QString &dataFolder, const QString &languageId, const QString &skinName)
    : m_dataFolder(dataFolder), m_languageId(languageId), m_skinName(skinName)
{
    hostkit::DocumentJobData::setDefaultInterfaceLanguage(languageId);
    m_skin = hostkit::createSkin(skinName);
    if (!m_skin) {
        m_skinName = hostkit::skinNames().value(0);
        m_skin = hostkit::createSkin(m_skinName);
    }
    // A change the editor reports is looked at once the event that made it is
    // over: typing may well undo what was typed before.
    m_notifier.setCallback([this] {
        m_changeReported = true;
        if (!m_checkPending) {
            m_checkPending = true;
            QMetaObject::invokeMethod(this, [this] { updateModified(); }, Qt::QueuedConnection);
        }
    });
    m_languages = hostkit::languagesNode(m_dataFolder);
    m_texts = std::make_unique<hostkit::HostTexts>(m_languageId, m_dataFolder);
    QCoreApplication::installTranslator(m_texts.get());

    buildMenus();
    ApplySkinScheme(*menuBar(), m_skin.get());
    // The size the pictures show, or the screen's room on a smaller screen
    // (the window's frame comes around it).
    const QSize frame(16, 48);
    resize(QSize(820, 560).boundedTo(screen()->availableSize() - frame).expandedTo(minimumSizeHint()));
}

EditorWindow::~EditorWindow()
{
    // The editor refers to the notifier and the skin: it goes first.
    delete m_editor;
    m_editor = nullptr;
}

QString EditorWindow::appTitle() const
{
    return text("Title", QStringLiteral("Veltrano sensor editor"));
}

void EditorWindow::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_newAction = m_fileMenu->addAction(QString(), QKeySequence::New, this, [this] {
        if (confirmDiscard())
            newJob();
    });
    m_openAction = m_fileMenu->addAction(QString(), QKeySequence::Open, this, [this] {
        if (!confirmDiscard())
            return;
        const QString path = askFileName(false);
        if (!path.isEmpty())
            openFile(path);
    });
    m_saveAction = m_fileMenu->addAction(QString(), QKeySequence::Save, this, [this] { save(); });
    m_saveAsAction = m_fileMenu->addAction(QString(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                                           [this] { saveAs(); });
    m_fileMenu->addSeparator();
    m_quitAction = m_fileMenu->addAction(QString(), QKeySequence::Quit, this, &QWidget::close);

    // The editor's pane and job commands, by the ids of its tools: each entry
    // runs the tool and shows the key the editor answers to (the key itself
    // reaches the editor, never this menu).
    m_editMenu = menuBar()->addMenu(QString());
    m_runMenu = menuBar()->addMenu(QString());
    for (const auto &[menu, ids] :
         {std::pair{m_editMenu, QStringList{"ID_Undo", "ID_Redo", "", "ID_Cut", "ID_Copy", "ID_Paste", "ID_SelectAll", "",
                                            "ID_Find", "ID_Replace", "ID_GoToLine"}},
          std::pair{m_runMenu, QStringList{"ID_CheckSyntax", "ID_Evaluate", "ID_Colorize"}}}) {
        for (const QString &id : ids) {
            if (id.isEmpty()) {
                menu->addSeparator();
                continue;
            }
            QAction *entry = menu->addAction(id, this, [this, id] {
                if (QAction *tool = editorTool(id))
                    tool->trigger();
            });
            entry->setData(id);
            entry->setShortcutContext(Qt::WidgetShortcut);
        }
    }
    m_runMenu->addSeparator();
    // A run takes no other input: Esc, or the Stop button on the editor, ends it.
    m_stopAction = m_runMenu->addAction(QString());
    m_stopAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_stopAction->setShortcutContext(Qt::WidgetShortcut);
    m_stopAction->setEnabled(false);

    m_languageMenu = menuBar()->addMenu(QString());
    m_languageGroup = new QActionGroup(this);
    fillLanguageMenu();

    m_skinMenu = menuBar()->addMenu(QString());
    auto *skinGroup = new QActionGroup(this);
    for (const QString &skin : hostkit::skinNames()) {
        QAction *action = m_skinMenu->addAction(QString(), this, [this, skin] { changeSkin(skin); });
        action->setData(skin);
        action->setCheckable(true);
        action->setChecked(skin.compare(m_skinName, Qt::CaseInsensitive) == 0);
        skinGroup->addAction(action);
    }
    retranslate();
}

void EditorWindow::retranslate()
{
    m_fileMenu->setTitle(text("MenuFile", QStringLiteral("&File")));
    m_newAction->setText(text("MenuNew", QStringLiteral("&New")));
    m_openAction->setText(text("MenuOpen", QStringLiteral("&Open...")));
    m_saveAction->setText(text("MenuSave", QStringLiteral("&Save")));
    m_saveAsAction->setText(text("MenuSaveAs", QStringLiteral("Save &As...")));
    m_quitAction->setText(text("MenuQuit", QStringLiteral("&Quit")));
    m_editMenu->setTitle(text("MenuEdit", QStringLiteral("&Edit")));
    m_runMenu->setTitle(text("MenuRun", QStringLiteral("&Run")));
    m_stopAction->setText(text("MenuStop", QStringLiteral("Stop")));
    updateCommandTexts();
    m_languageMenu->setTitle(text("MenuLanguage", QStringLiteral("&Language")));
    m_skinMenu->setTitle(text("MenuSkin", QStringLiteral("S&kin")));
    // Each skin under a caption of its own ("SkinDark"), else its name capitalised.
    for (QAction *action : m_skinMenu->actions()) {
        const QString id = action->data().toString();
        const QString caption = id.left(1).toUpper() + id.mid(1);
        action->setText(text(QByteArray("Skin" + caption.toLatin1()).constData(), caption));
    }
    updateTitle();
}

QAction *EditorWindow::editorTool(const QString &id) const
{
    return m_editor ? m_editor->findChild<QAction *>(id) : nullptr;
}

void EditorWindow::updateCommandTexts()
{
    // The entries say what the editor's tools say, in the editor's language.
    for (QMenu *menu : {m_editMenu, m_runMenu})
        for (QAction *entry : menu->actions())
            if (const QAction *tool = editorTool(entry->data().toString())) {
                entry->setText(tool->text());
                entry->setShortcut(tool->shortcut());
            }
}

void EditorWindow::fillLanguageMenu()
{
    const QList<hostkit::LanguageFile> files = hostkit::languageFiles(m_dataFolder);
    for (const hostkit::LanguageFile &file : files) {
        const QString id = file.id;
        QAction *action = m_languageMenu->addAction(file.name, this, [this, id] { changeLanguage(id); });
        action->setCheckable(true);
        action->setChecked(id == m_languageId);
        action->setData(id);
        m_languageGroup->addAction(action);
    }
    if (files.isEmpty())
        m_languageMenu->addAction(QStringLiteral("(%1)").arg(QDir::toNativeSeparators(m_dataFolder)))->setEnabled(false);
}

void EditorWindow::changeLanguage(const QString &languageId)
{
    m_languageId = languageId;
    hostkit::DocumentJobData::setDefaultInterfaceLanguage(languageId);
    auto texts = std::make_unique<hostkit::HostTexts>(languageId, m_dataFolder);
    QCoreApplication::installTranslator(texts.get());
    QCoreApplication::removeTranslator(m_texts.get());
    m_texts = std::move(texts);
    for (QAction *action : m_languageGroup->actions())
        action->setChecked(action->data().toString() == languageId);
    retranslate();
    try {
        if (m_editor)
            m_editor->Engine_ChangeInterfaceLanguage(languageId);
        updateCommandTexts();
    } catch (...) {
        showFailure(text("MsgLanguageFailed", QStringLiteral("The interface language could not be changed.")),
                    std::current_exception());
    }
}

void EditorWindow::changeSkin(const QString &name)
{
    std::unique_ptr<host::Skin> skin = hostkit::createSkin(name);
    if (!skin)
        return;
    m_skinName = name;
    m_previousSkin = std::move(m_skin);
    m_skin = std::move(skin);
    try {
        if (m_editor)
            m_editor->Engine_ChangeSettings(m_skin.get());
    } catch (...) {
        showFailure(text("MsgSkinFailed", QStringLiteral("The skin could not be changed.")), std::current_exception());
    }
    // The host's own menus follow the editor's scheme.
    ApplySkinScheme(*menuBar(), m_skin.get());
}

bool EditorWindow::load(const QString &jobText, const QString &path, const xmlfile::Encoding &encoding)
{
    // A fresh editor for each job: only a new Engine_InitControl arms the filling.
    // It replaces the one on view only once it shows the job, since replacing
    // the central widget deletes the old one: a job that cannot be shown
    // leaves the current editor as it was.
    std::unique_ptr<UCScript> editor;
    try {
        editor = std::make_unique<UCScript>();
        // The editor opens at its design size; its controls would cover each
        // other below it, so the window keeps at least that much room.
        editor->setMinimumSize(editor->size());
        editor->Engine_InitControl(&m_notifier, m_languages, m_skin.get());
        editor->Engine_SetPathData(m_dataFolder);
        editor->Engine_SetData(jobText);
        editor->Engine_SetJobFile(path);
        editor->Engine_ShowData();
    } catch (...) {
        showFailure(text("MsgShowFailed", QStringLiteral("The job could not be shown.")), std::current_exception());
        return false;
    }
    m_editor = editor.release();
    setCentralWidget(m_editor);   // the previous editor goes (deleted later)
    updateCommandTexts();
    m_path = path;
    m_encoding = encoding;
    // Filling the editor colourises the panes, which reports changes: the job
    // as loaded is not modified.
    m_notifier.resetCount();
    m_savedJobText = currentJobText();
    m_changeReported = false;
    setWindowModified(false);
    updateTitle();
    return true;
}

bool EditorWindow::openFile(const QString &path)
{
    hostkit::JobFileText file;
    // Taken before the file is read: a change while it is read shows later.
    const hostkit::FileStamp stamp = hostkit::fileStamp(path);
    try {
        file = hostkit::readJobFile(QDir::toNativeSeparators(path));
    } catch (const Error &error) {
        ui::MsgBox(error.description, ui::OkOnly | ui::Critical, appTitle());
        return false;
    }
    if (!load(file.text, QFileInfo(path).absoluteFilePath(), file.encoding))
        return false;
    m_diskStamp = m_askedStamp = stamp;
    hostkit::tellSavingChanges(
        file.text, appTitle(), text("MsgSavingChanges", QStringLiteral("Saving this job will change what it holds:")),
        text("MsgEditingNotes", QStringLiteral("Editing a script of this job changes more than the edit:")));
    return true;
}

void EditorWindow::newJob()
{
    load(newJobText, QString(), xmlfile::Encoding());
}

void EditorWindow::showPage(const QString &key)
{
    if (!m_editor)
        return;
    if (auto *pages = m_editor->findChild<KeyedTabWidget *>(QStringLiteral("ssTabDatos")))
        pages->selectKey(key);
}

bool EditorWindow::writeJob(const QString &path)
{
    QString jobText;
    try {
        if (!m_editor || !m_editor->Engine_Validate())
            return false;
        jobText = m_editor->Engine_GetData();
    } catch (...) {
        showFailure(text("MsgTakeFailed", QStringLiteral("The job could not be taken from the editor.")),
                    std::current_exception());
        return false;
    }
    if (path == m_path) {
        const hostkit::FileStamp now = hostkit::fileStamp(path);
        if (changedOnDisk(now)) {
            const int answer = askAboutDiskChange(now);
            if (answer == ui::No)
                openFile(m_path);
            if (answer != ui::Yes)
                return false;
        }
    }
    try {
        hostkit::writeJobFile(path, jobText, m_encoding);
    } catch (const Error &error) {
        ui::MsgBox(error.description, ui::OkOnly | ui::Critical, appTitle());
        return false;
    }
    m_diskStamp = m_askedStamp = hostkit::fileStamp(path);
    m_path = path;
    m_editor->Engine_SetJobFile(path);   // a job saved elsewhere runs its scripts there
    m_savedJobText = jobText;
    m_changeReported = false;
    setWindowModified(false);
    updateTitle();
    return true;
}

bool EditorWindow::save()
{
    // A file that may not be written to is left alone: the job goes elsewhere.
    return m_path.isEmpty() || isReadOnly() ? saveAs() : writeJob(m_path);
}

bool EditorWindow::isReadOnly() const
{
    if (m_path.isEmpty() || !QFileInfo::exists(m_path))
        return false;
    const QFile::Permissions writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !QFileInfo(m_path).isWritable() || !(QFile::permissions(m_path) & writable);
}

bool EditorWindow::saveAs()
{
    const QString path = askFileName(true);
    return !path.isEmpty() && writeJob(path);
}

QString EditorWindow::askFileName(bool saving)
{
    QFileDialog dialog(this, saving ? text("SaveAsCaption", QStringLiteral("Save job as"))
                                    : text("OpenCaption", QStringLiteral("Open job")));
    dialog.setNameFilters({text("FilterJobs", QStringLiteral("Job definitions")) + QStringLiteral(" (*.xml)"),
                           text("FilterAll", QStringLiteral("All files")) + QStringLiteral(" (*)")});
    if (!m_path.isEmpty())
        dialog.selectFile(m_path);
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("xml"));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (ui::showModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst();
    // Not every platform's dialog adds the default suffix.
    if (saving && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".xml");
    return path;
}

QString EditorWindow::currentJobText() const
{
    if (!m_editor)
        return {};
    // The controls hold the edits until Validate stores them: store them as a
    // save would, without a word to the user. A job that does not validate
    // has no text to compare.
    ui::ScopedMsgBoxHandler silent([](const QString &, int, const QString &) { return int(ui::Ok); });
    // A refusal brings the field at fault into view and focuses it: the user
    // typing elsewhere stays where they are.
    QPointer<QWidget> focus = QApplication::focusWidget();
    QList<std::pair<QPointer<KeyedTabWidget>, int>> pages;
    for (KeyedTabWidget *tabs : m_editor->findChildren<KeyedTabWidget *>())
        pages.append({tabs, tabs->currentIndex()});
    QString text;
    try {
        text = m_editor->Engine_Validate() ? m_editor->Engine_GetData() : QString();
    } catch (...) {
        text = QString();
    }
    for (const auto &[tabs, index] : pages) {
        if (tabs && tabs->currentIndex() != index)
            tabs->setCurrentIndex(index);
    }
    if (focus && QApplication::focusWidget() != focus)
        focus->setFocus();
    return text;
}

bool EditorWindow::isModified() const
{
    if (!m_editor)
        return false;
    const QString now = currentJobText();
    return now.isNull() || m_savedJobText.isNull() ? m_changeReported : now != m_savedJobText;
}

void EditorWindow::updateModified()
{
    m_checkPending = false;
    setWindowModified(isModified());
}

bool EditorWindow::confirmDiscard()
{
    if (!isModified())
        return true;
    const QString name = m_path.isEmpty() ? text("TheNewJob", QStringLiteral("the new job")) : QFileInfo(m_path).fileName();
    switch (ui::MsgBox(text("MsgSaveChanges", QStringLiteral("Save the changes to %1?")).arg(name),
                       ui::YesNoCancel | ui::Question, appTitle())) {
    case ui::Yes:
        return save();
    case ui::No:
        return true;
    default:
        return false;
    }
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (confirmDiscard())
        event->accept();
    else
        event->ignore();
}

bool EditorWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowUnblocked)
        updateModified();
    // Asked once the activation is over, never from inside it.
    if (event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(this, [this] { checkDiskOnReturn(); }, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

bool EditorWindow::changedOnDisk(const hostkit::FileStamp &now) const
{
    return !m_path.isEmpty() && now.exists && now != m_diskStamp;
}

int EditorWindow::askAboutDiskChange(const hostkit::FileStamp &now)
{
    m_askedStamp = now;
    return ui::MsgBox(text("MsgChangedOnDisk", QStringLiteral("%1 has changed on disk since it was opened or saved "
                                                              "here.\r\rYes: save this job over it.\rNo: reload it "
                                                              "from the disk (the changes made here are lost).\r"
                                                              "Cancel: neither, for now."))
                          .arg(QFileInfo(m_path).fileName()),
                      ui::YesNoCancel | ui::Exclamation, appTitle());
}

void EditorWindow::checkDiskOnReturn()
{
    const hostkit::FileStamp now = hostkit::fileStamp(m_path);
    if (!changedOnDisk(now) || now == m_askedStamp || QApplication::activeModalWidget())
        return;
    switch (askAboutDiskChange(now)) {
    case ui::Yes:
        m_diskStamp = now;
        save();
        break;
    case ui::No:
        openFile(m_path);
        break;
    default:
        break;
    }
}

void EditorWindow::updateTitle()
{
    QString name = m_path.isEmpty() ? text("NewJob", QStringLiteral("New job")) : QFileInfo(m_path).fileName();
    if (isReadOnly())
        name += QStringLiteral(" (%1)").arg(text("ReadOnly", QStringLiteral("read-only")));
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(name, appTitle()));
}

void EditorWindow::showFailure(const QString &what, const std::exception_ptr &failure)
{
    const Error error = toError(failure);
    ui::MsgBox(QStringLiteral("%1\rError: %2\rDescription: %3\rSource: %4")
                   .arg(what)
                   .arg(error.number)
                   .arg(error.description, error.source),
               ui::OkOnly | ui::Critical, appTitle());
}
