#include "dravelle/document/words_settings.h"

#include <QCoreApplication>

namespace dravelle::document {

common::Status WordsSettings::validate() const
{
    using common::Status;
    if (text.size() > kMaxTextLength)
        return Status::failure(QCoreApplication::translate("Dravelle", "The words may have at most %1 characters.").arg(kMaxTextLength));
    if (face.size() > kMaxFaceLength)
        return Status::failure(QCoreApplication::translate("Dravelle", "A font name may have at most %1 characters.").arg(kMaxFaceLength));
    if (size < kMinSize || size > kMaxSize)
        return Status::failure(QCoreApplication::translate("Dravelle", "The font size must be %1 to %2.").arg(kMinSize).arg(kMaxSize));
    if (textColour < 0 || textColour >= kColourCount || backgroundColour < 0 || backgroundColour >= kColourCount)
        return Status::failure(QCoreApplication::translate("Dravelle", "Unknown colour."));
    return Status::success();
}

} // namespace dravelle::document
