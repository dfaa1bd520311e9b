#pragma once

#include <QString>
#include <QStringView>
#include <array>

// Evaluation levels: the Type code of an EvalData element.
enum EvalLevel { LevelGood = 0, LevelWarning = 1, LevelDanger = 2 };

// One level as the document and the window name it: its Type code, its key
// (the tab key of the level pages, and the name in the level's controls) and
// the design caption of its tab.
struct EvalLevelName
{
    EvalLevel type;
    const char *key;
    const char *caption;

    QString keyText() const { return QString::fromLatin1(key); }
    QString captionText() const { return QString::fromLatin1(caption); }
};

// The three levels in the order they are always visited: Danger, Warning, Good.
inline constexpr std::array<EvalLevelName, 3> evalLevels{{
    {LevelDanger, "Danger", "Danger Value"},
    {LevelWarning, "Warning", "Warning Value"},
    {LevelGood, "Good", "Good Value"},
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
