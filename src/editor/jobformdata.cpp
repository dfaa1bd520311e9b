#include "jobformdata.h"

#include "jobform.h"
#include "keyedtabwidget.h"
#include "numericbox.h"

#include "common/regional.h"
#include "common/showerror.h"
#include "common/trimblanks.h"
#include "dialogs/scriptpane.h"
#include "dialogs/scripttext.h"
#include "platform/ui/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTextEdit>
#include <QToolButton>

namespace {

// Each entry equal to `language` (exactly) becomes the selection, so the last
// equal entry wins; with none the selection stays.
void selectLanguage(QComboBox *list, const QString &language)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i) == language)
            list->setCurrentIndex(i);
}

int boxValue(const QCheckBox *box)
{
    return box->checkState() == Qt::Unchecked ? 0 : 1;
}

// A caption as a message names it: without its accelerator and colon.
QString fieldName(const QString &caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

} // namespace

void fillForm(JobForm &form, const SensorValues &values, const QString &description)
{
    for (QComboBox *list : form.languageLists())
        list->setCurrentIndex(0);

    form.pvDataPersistence->setValue(values.persistenceQuantity);
    form.cmbDataPersistence->setCurrentIndex(values.persistenceUnit);   // -1 (none) to 3, as readSensorValues accepts
    form.chkActive->setChecked(values.status != 0);
    form.chkViewInMarquee->setChecked(values.marquee != 0);
    form.chkQuantity->setChecked(values.numeric != 0);
    form.rtfDescription->setPlainText(description);
    setScriptText(form.rtfScript, values.scripts.general.code);
    selectLanguage(form.cmbLanguageScript, values.scripts.general.language);
    if (trimBlanks(form.rtfScript->toPlainText()).isEmpty())
        setScriptText(form.rtfScript, defaultSensorScript());
    form.chkEvalData->setChecked(values.scripts.evaluate);

    for (std::size_t i = 0; i < form.levels.size(); ++i) {
        const LevelControls &level = form.levels[i];
        setScriptText(level.pane, values.scripts.levels[i].code);
        selectLanguage(level.list, values.scripts.levels[i].language);
        level.reference->setValue(values.references[i]);
    }
    showLevelTools(form, evalLevels[0].keyText());
}

SensorValues formValues(const JobForm &form)
{
    SensorValues values;
    values.persistenceQuantity = roundToInt32(form.pvDataPersistence->value());
    values.persistenceUnit = form.cmbDataPersistence->currentIndex();
    values.status = boxValue(form.chkActive);
    values.marquee = boxValue(form.chkViewInMarquee);
    values.numeric = boxValue(form.chkQuantity);
    values.scripts.evaluate = boxValue(form.chkEvalData) != 0;
    values.scripts.general = {scriptText(form.rtfScript), form.cmbLanguageScript->currentText()};
    if (trimBlanks(values.scripts.general.code).isEmpty())
        values.scripts.general = {defaultSensorScript(), QStringLiteral("VBScript")};
    for (std::size_t i = 0; i < form.levels.size(); ++i) {
        const LevelControls &level = form.levels[i];
        values.scripts.levels[i] = {scriptText(level.pane), level.list->currentText()};
        values.references[i] = level.reference->value();
    }
    return values;
}

SensorScripts formScripts(const JobForm &form)
{
    SensorScripts scripts;
    scripts.general = {scriptText(form.rtfScript), form.cmbLanguageScript->currentText()};
    scripts.evaluate = boxValue(form.chkEvalData) != 0;
    for (std::size_t i = 0; i < form.levels.size(); ++i)
        scripts.levels[i] = {scriptText(form.levels[i].pane), form.levels[i].list->currentText()};
    return scripts;
}

bool acceptNumber(JobForm &form, NumericBox *box)
{
    if (box->hasNumber())
        return true;
    QString field;
    if (box == form.pvDataPersistence) {
        form.ssTabDatos->selectKey(QStringLiteral("General"));
        field = fieldName(form.lblDataPersistence->text());
    } else {
        for (const LevelControls &level : form.levels) {
            if (level.reference != box)
                continue;
            form.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
            form.ssTabValues->selectKey(level.level->keyText());
            const QString tab = form.ssTabValues->tabText(form.ssTabValues->indexOf(level.page));
            field = QStringLiteral("%1 (%2)").arg(fieldName(form.lblReferenceValue->text()), fieldName(tab));
        }
    }
    ui::MsgBox(QStringLiteral("%1: \"%2\" is not %3.").arg(field, box->text(), expectedNumber(box->kind())),
               ui::OkOnly | ui::Information, applicationTitle());
    box->setFocus();
    return false;
}

bool checkForm(JobForm &form)
{
    if (form.chkEvalData->checkState() != Qt::Unchecked) {
        for (const LevelControls &level : form.levels) {
            if (!trimBlanks(level.pane->toPlainText()).isEmpty())
                continue;
            ui::MsgBox(QStringLiteral("%1 Script Must Be Filled In.").arg(level.level->keyText()),
                       ui::OkOnly | ui::Information, applicationTitle());
            form.ssTabValues->selectKey(level.level->keyText());
            level.pane->setFocus();
            return false;
        }
    }
    // A box holding no complete number is named, brought into view and
    // focused, rather than failing the store with a type mismatch.
    if (!acceptNumber(form, form.pvDataPersistence))
        return false;
    for (const LevelControls &level : form.levels)
        if (!acceptNumber(form, level.reference))
            return false;
    return true;
}

void setLevelsEnabled(JobForm &form, bool enabled)
{
    QList<QWidget *> controls{form.ssTabValues, form.cmdCheckSyntax, form.cmdColorizeCode, form.cmdCopy,
                              form.cmdCut, form.cmdPaste, form.cmdEvents};
    for (const LevelControls &level : form.levels)
        controls << level.list;
    controls << form.cmdWizardValues << form.lblReferenceValue;
    for (const LevelControls &level : form.levels)
        controls << level.reference;
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

void showLevelTools(JobForm &form, const QString &key)
{
    for (const LevelControls &level : form.levels) {
        const bool shown = key == level.level->keyText();
        level.list->setVisible(shown);
        level.reference->setVisible(shown);
    }
}
