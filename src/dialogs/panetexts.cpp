#include "panetexts.h"

#include "common/windowlanguage.h"

PaneTexts readPaneTexts(host::LanguageReader &reader)
{
    PaneTexts texts;
    const struct {
        const char *key;
        QString PaneTexts::*text;
    } keys[] = {
        {"NoSyntaxErrors", &PaneTexts::noSyntaxErrors},
        {"LineColumn", &PaneTexts::lineColumn},
        {"Find", &PaneTexts::find},
        {"Replace", &PaneTexts::replace},
        {"GoToLine", &PaneTexts::goToLine},
        {"Next", &PaneTexts::next},
        {"ReplaceOne", &PaneTexts::replaceOne},
        {"ReplaceAll", &PaneTexts::replaceAll},
        {"NotFound", &PaneTexts::notFound},
        {"Replaced", &PaneTexts::replaced},
        {"Running", &PaneTexts::running},
        {"Stop", &PaneTexts::stop},
    };
    for (const auto &key : keys)
        SetLanguageText(reader, QStringLiteral("ScriptPane"), QLatin1String(key.key), [&](const QString &text) {
            if (!text.isEmpty())
                texts.*key.text = text;
        });
    return texts;
}
