#include "editorwindow.h"

#include "editor/keyedtabwidget.h"
#include "editor/ucscript.h"

#include "errorcore/error.h"
#include "common/nodes.h"
#include "hostkit/documentjobdata.h"
#include "hostkit/savingnotice.h"
#include "hostkit/skins.h"
#include "platform/ui/msgbox.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QSaveFile>

namespace {

const QString appTitle = QStringLiteral("Veltrano sensor editor");

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

const QString jobFilter = QStringLiteral("Job definitions (*.xml);;All files (*)");

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
    m_notifier.setCallback([this] { setWindowModified(true); });

    // The host's languages object: one entry per language file in the data folder.
    m_languages = GetNewNode(XmlNode::Element, QStringLiteral("Languages"));
    for (const QFileInfo &file : QDir(m_dataFolder).entryInfoList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name)) {
        XmlNode language = m_languages.createElement(QStringLiteral("Language"));
        XmlNode id = m_languages.createElement(QStringLiteral("Id"));
        id.setText(file.completeBaseName());
        language.appendChild(id);
        m_languages.appendChild(language);
    }

    buildMenus();
    resize(820, 560);
}

EditorWindow::~EditorWindow()
{
    // The editor refers to the notifier and the skin: it goes first.
    delete m_editor;
    m_editor = nullptr;
}

void EditorWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New"), QKeySequence::New, this, [this] {
        if (confirmDiscard())
            newJob();
    });
    file->addAction(tr("&Open..."), QKeySequence::Open, this, [this] {
        if (!confirmDiscard())
            return;
        const QString path = QFileDialog::getOpenFileName(this, tr("Open job"), QFileInfo(m_path).path(), jobFilter);
        if (!path.isEmpty())
            openFile(path);
    });
    file->addAction(tr("&Save"), QKeySequence::Save, this, [this] { save(); });
    file->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, [this] { saveAs(); });
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    m_languageMenu = menuBar()->addMenu(tr("&Language"));
    m_languageGroup = new QActionGroup(this);
    fillLanguageMenu();

    QMenu *skins = menuBar()->addMenu(tr("S&kin"));
    auto *skinGroup = new QActionGroup(this);
    for (const QString &skin : hostkit::skinNames()) {
        QAction *action = skins->addAction(skin, this, [this, skin] { changeSkin(skin); });
        action->setCheckable(true);
        action->setChecked(skin.compare(m_skinName, Qt::CaseInsensitive) == 0);
        skinGroup->addAction(action);
    }
}

void EditorWindow::fillLanguageMenu()
{
    const QFileInfoList files =
        QDir(m_dataFolder).entryInfoList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString id = file.completeBaseName();
        QAction *action = m_languageMenu->addAction(id, this, [this, id] { changeLanguage(id); });
        action->setCheckable(true);
        action->setChecked(id == m_languageId);
        m_languageGroup->addAction(action);
    }
    if (files.isEmpty())
        m_languageMenu->addAction(tr("(no language files in %1)").arg(m_dataFolder))->setEnabled(false);
}

void EditorWindow::changeLanguage(const QString &languageId)
{
    m_languageId = languageId;
    hostkit::DocumentJobData::setDefaultInterfaceLanguage(languageId);
    try {
        if (m_editor)
            m_editor->Engine_ChangeInterfaceLanguage(languageId);
    } catch (...) {
        showFailure(tr("The interface language could not be changed."), std::current_exception());
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
        showFailure(tr("The skin could not be changed."), std::current_exception());
    }
}

bool EditorWindow::load(const QString &jobText, const QString &path)
{
    // A fresh editor for each job: only a new Engine_InitControl arms the filling.
    // It replaces the one on view only once it shows the job, since replacing
    // the central widget deletes the old one: a job that cannot be shown
    // leaves the current editor as it was.
    std::unique_ptr<UCScript> editor;
    try {
        editor = std::make_unique<UCScript>();
        editor->Engine_InitControl(&m_notifier, m_languages, m_skin.get());
        editor->Engine_SetPathData(m_dataFolder);
        editor->Engine_SetData(jobText);
        editor->Engine_ShowData();
    } catch (...) {
        showFailure(tr("The job could not be shown."), std::current_exception());
        return false;
    }
    m_editor = editor.release();
    setCentralWidget(m_editor);   // the previous editor goes (deleted later)
    m_path = path;
    // Filling the editor colourises the panes, which reports changes: the job
    // as loaded is not modified.
    m_notifier.resetCount();
    m_savedJobText = currentJobText();
    setWindowModified(false);
    updateTitle();
    return true;
}

bool EditorWindow::openFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ui::MsgBox(tr("Cannot open %1:\r%2").arg(QDir::toNativeSeparators(path), file.errorString()),
                   ui::OkOnly | ui::Critical, appTitle);
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    if (!load(text, QFileInfo(path).absoluteFilePath()))
        return false;
    hostkit::tellSavingChanges(text, appTitle);
    return true;
}

void EditorWindow::newJob()
{
    load(newJobText, QString());
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
    QString text;
    try {
        if (!m_editor || !m_editor->Engine_Validate())
            return false;
        text = m_editor->Engine_GetData();
    } catch (...) {
        showFailure(tr("The job could not be taken from the editor."), std::current_exception());
        return false;
    }

    // Written next to the file and renamed over it: a failure leaves the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        ui::MsgBox(tr("Cannot write %1:\r%2").arg(QDir::toNativeSeparators(path), file.errorString()),
                   ui::OkOnly | ui::Critical, appTitle);
        return false;
    }
    m_path = path;
    m_savedJobText = text;
    setWindowModified(false);
    updateTitle();
    return true;
}

bool EditorWindow::save()
{
    return m_path.isEmpty() ? saveAs() : writeJob(m_path);
}

bool EditorWindow::saveAs()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save job as"), m_path, jobFilter);
    return !path.isEmpty() && writeJob(path);
}

QString EditorWindow::currentJobText() const
{
    try {
        return m_editor ? m_editor->Engine_GetData() : QString();
    } catch (...) {
        return {};
    }
}

bool EditorWindow::isModified() const
{
    return isWindowModified() || (m_editor && currentJobText() != m_savedJobText);
}

bool EditorWindow::confirmDiscard()
{
    if (!isModified())
        return true;
    const QString name = m_path.isEmpty() ? tr("the new job") : QFileInfo(m_path).fileName();
    switch (ui::MsgBox(tr("Save the changes to %1?").arg(name), ui::YesNoCancel | ui::Question, appTitle)) {
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
    if (event->type() == QEvent::WindowUnblocked && !isWindowModified() && isModified())
        setWindowModified(true);
    return QMainWindow::event(event);
}

void EditorWindow::updateTitle()
{
    const QString name = m_path.isEmpty() ? tr("New job") : QFileInfo(m_path).fileName();
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(name, appTitle));
}

void EditorWindow::showFailure(const QString &what, const std::exception_ptr &failure)
{
    const Error error = toError(failure);
    ui::MsgBox(QStringLiteral("%1\rError: %2\rDescription: %3\rSource: %4")
                   .arg(what)
                   .arg(error.number)
                   .arg(error.description, error.source),
               ui::OkOnly | ui::Critical, appTitle);
}
