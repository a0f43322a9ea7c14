#include "widgets/PlainText.h"

#include <QLabel>
#include <QTextDocument>

namespace birch {

QLabel* plainLabel(QLabel* label)
{
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString plainToolTip(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

} // namespace birch
