#pragma once

#include <QString>
#include <QStringView>
#include <array>

// Evaluation levels: the Type code of an EvalData element.
enum EvalLevel { LevelGood = 0, LevelWarning = 1, LevelDanger = 2 };

// The one table of the levels: everything that tells one level from
// another. The document, the editor's level controls and tabs, the test
// evaluation and its result, and the command line's plugin answer all loop
// over it.
struct EvalLevelName
{
    EvalLevel type;             // the Type code in the document
    const char *key;            // tab key, picture key, and the name in the level's controls (rtfScriptDanger)
    const char *caption;        // the design caption of its tab
    const char *result;         // the test evaluation's result text when the level's script is true
    const char *monitorState;   // what a monitoring plugin answers for it

    QString keyText() const { return QString::fromLatin1(key); }
    QString captionText() const { return QString::fromLatin1(caption); }
};

// The three levels in the order they are always visited: Danger, Warning, Good.
inline constexpr std::array<EvalLevelName, 3> evalLevels{{
    {LevelDanger, "Danger", "Danger Value", "DANGER", "CRITICAL"},
    {LevelWarning, "Warning", "Warning Value", "WARNING", "WARNING"},
    {LevelGood, "Good", "Good Value", "GOOD", "OK"},
}};

// The level whose key is exactly `key` (case matters); nullptr for any other text.
inline const EvalLevelName *findEvalLevel(QStringView key)
{
    for (const EvalLevelName &level : evalLevels)
        if (key == QLatin1String(level.key))
            return &level;
    return nullptr;
}

// The key of a level code ("Danger" for LevelDanger); empty for a code that
// names no level, such as a Type read from a document.
inline QString evalLevelKey(int code)
{
    for (const EvalLevelName &level : evalLevels)
        if (int(level.type) == code)
            return level.keyText();
    return {};
}
