#include "platform/Selection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>

namespace wb {

QString selectedText()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection()) {
        const QString primary = clipboard->text(QClipboard::Selection);
        if (!primary.trimmed().isEmpty())
            return primary;
    }
    return clipboard->text(QClipboard::Clipboard);
}

QString selectionWord(const QString& selection)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
    QString word = selection.trimmed().section(lineBreak, 0, 0);
    // Bytes that were not UTF-8 arrive as replacement characters: the word is what
    // could be read before them.
    if (const qsizetype unreadable = word.indexOf(QChar::ReplacementCharacter); unreadable >= 0)
        word.truncate(unreadable);
    qsizetype end = 0;
    for (qsizetype characters = 0; end < word.size() && characters < kMaxSelectionWord;
         ++characters)
        end += word[end].isHighSurrogate() && end + 1 < word.size() ? 2 : 1;
    word.truncate(end);
    return word.trimmed(); // a cut can end on a space
}

} // namespace wb
