#pragma once
// The window's texts in its two languages.

#include <QString>

namespace genus {

enum class Language { Turkish = 0, English = 1 };

/** A control and its caption in each language, in the order the switch sets them. */
struct Caption {
    const char* control; ///< objectName, or "" for the window caption
    const char* turkish;
    const char* english;
};

/** The texts the language switch sets, and nothing else. */
const Caption* captionTable(int* count);

/** Messages of the window. */
QString notANumberMessage(Language language, const QString& boxName);
QString tooManyColumnsMessage(Language language);
QString durationMessage(Language language);
QString tooManyGeneraMessage(Language language, long long lines);
QString minimumAboveMaximumMessage(Language language);
QString tonicNotAbove0Message(Language language);
QString tonicTooHighMessage(Language language);
/** Shown over the empty genus list when the span is a number with a fraction. */
QString spanNotWholeText(Language language);
/** Shown over the empty genus list when a computation found nothing. */
QString nothingFitsText(Language language);
QString computingLabel(Language language);
QString cancelCaption(Language language);
/** What comes before the text of an error that escaped an action. */
QString unexpectedErrorIntro(Language language);

/** The list's context menu: saving the selected genus as a Scala file, and the whole list. */
QString saveSclCaption(Language language);
QString saveListCaption(Language language);
/** Titles and filters of their save dialogs, and the name the list is offered under. */
QString saveSclTitle(Language language);
QString saveListTitle(Language language);
QString sclFilter(Language language);
QString listFilter(Language language);
QString listFileName(Language language);
/** A file that could not be saved: its path and the system's reason. */
QString saveFailedMessage(Language language, const QString& path, const QString& reason);

} // namespace genus
