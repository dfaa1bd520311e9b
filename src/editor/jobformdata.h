#pragma once

#include "model/sensorvalues.h"

#include <QString>

class NumericBox;
struct JobForm;

// The job form and the model's record of a sensor: what fills the controls
// and what they store, the checks before storing, and the level controls'
// state. The editor's procedures around them carry the source tags.

// Fills the controls: every language list on its first entry ("VBScript"),
// then persistence quantity and unit, the three options, the description,
// the general script (the default script when it is only spaces) and its
// language, the evaluation switch, and each level's script, language and
// reference value; the first level's list and box are the ones on view.
// A language no entry equals exactly leaves the first entry; the unit is
// one readSensorValues accepts (-1 to 3, each an entry of the list or none).
// Enabling the level controls is the caller's (setLevelsEnabled).
void fillForm(JobForm &form, const SensorValues &values, const QString &description);

// What the controls hold, as the editor stores it: a general script that is
// empty or only spaces is the default script in "VBScript". Raises 13 for a
// numeric box without a complete number.
SensorValues formValues(const JobForm &form);

// What the test evaluation runs: the panes' texts in their lists' languages
// and the switch (on when ticked or greyed), exactly as they stand.
SensorScripts formScripts(const JobForm &form);

// The checks before storing: with the switch on, the first level whose
// script is empty or only spaces ("Danger Script Must Be Filled In."); then a
// numeric box without a complete number. Shows the first refusal (titled
// "Veltrano"), brings its control into view with the focus, and returns
// false; true when nothing stops the store.
bool checkForm(JobForm &form);

// Whether `box` (one of the form's numeric boxes) holds a number of its
// kind; if not, shows which field refuses what ('Data Persistence: "2.5" is
// not a whole number from 1 to 2,147,483,647.'), brings the box into view
// with the focus and returns false.
bool acceptNumber(JobForm &form, NumericBox *box);

// Enables or disables the level tabs, the level tools, the level language
// lists and reference boxes (the switch and the General page stay).
void setLevelsEnabled(JobForm &form, bool enabled);
// Shows the language list and reference box of the level `key` only; an
// unknown key hides all of them.
void showLevelTools(JobForm &form, const QString &key);
