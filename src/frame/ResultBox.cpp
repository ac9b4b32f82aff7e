#include "frame/ResultBox.h"

#include <QEvent>
#include <QStyle>

namespace {

// Keeps the start of the texts the program writes into a box in view and puts the
// whole text in the tool tip while it does not fit.
class WrittenTextWatcher : public QObject
{
public:
    explicit WrittenTextWatcher(QLineEdit* box) : QObject(box), m_box(box), m_ownTip(box->toolTip())
    {
        connect(box, &QLineEdit::textChanged, this, &WrittenTextWatcher::textChanged);
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
            updateToolTip();
        return QObject::eventFilter(watched, event);
    }

private:
    void textChanged()
    {
        // Typing marks the box modified; a text set by the program does not.
        if (!m_box->isModified())
            m_box->home(false);
        updateToolTip();
    }

    bool isClipped() const
    {
        const int frame =
            m_box->hasFrame()
                ? m_box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_box)
                : 0;
        const QMargins margins = m_box->textMargins();
        // QLineEdit keeps two pixels between its frame and its text on either side.
        const int room = m_box->width() - 2 * frame - 4 - margins.left() - margins.right();
        return m_box->fontMetrics().horizontalAdvance(m_box->text()) > room;
    }

    void updateToolTip()
    {
        if (!isClipped())
            m_box->setToolTip(m_ownTip);
        else if (m_ownTip.isEmpty())
            m_box->setToolTip(m_box->text());
        else
            m_box->setToolTip(m_ownTip + QLatin1Char('\n') + m_box->text());
    }

    QLineEdit* m_box;
    QString m_ownTip;
};

} // namespace

ResultBox::ResultBox(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    QPalette look = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        look.setBrush(group, QPalette::Base, look.brush(group, QPalette::Window));
    setPalette(look);
    showWrittenTextFromItsStart(this);
}

void ResultBox::showWrittenTextFromItsStart(QLineEdit* box)
{
    new WrittenTextWatcher(box);
}
