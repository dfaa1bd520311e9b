#include "colourruns.h"

#include "errorcore/error.h"

#include <QTextBlock>
#include <QTextDocument>

std::vector<host::ColourRun> colourRunsOf(const QString &richText, const QTextDocument &document)
{
    QTextDocument rich;
    rich.setHtml(richText);
    const QString expected = document.toPlainText();
    const QString given = rich.toPlainText();
    if (given != expected) {
        qsizetype differs = 0;
        while (differs < given.size() && differs < expected.size() && given[differs] == expected[differs])
            ++differs;
        const qsizetype line = expected.left(differs).count(QLatin1Char('\n')) + 1;
        throw Error(5, QStringLiteral("Invalid procedure call or argument: the colouriser's text differs from "
                                      "the script's at line %1")
                           .arg(line));
    }
    std::vector<host::ColourRun> runs;
    for (QTextBlock block = rich.begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QBrush brush = fragment.charFormat().foreground();
            if (brush.style() == Qt::NoBrush)
                continue;
            if (!runs.empty() && runs.back().colour == brush.color()
                && runs.back().start + runs.back().length == fragment.position())
                runs.back().length += fragment.length();
            else
                runs.push_back({fragment.position(), fragment.length(), brush.color()});
        }
    }
    return runs;
}

std::vector<host::ColourRun> colourRunsFrom(host::Colorizer &colorizer, const QTextDocument &document)
{
    const QString text = document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (std::optional<std::vector<host::ColourRun>> runs = colorizer.ColourRuns(text))
        return std::move(*runs);
    return colourRunsOf(colorizer.ParseCode(text), document);
}
