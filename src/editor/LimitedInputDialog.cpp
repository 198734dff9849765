// A text input dialog that cuts its text to a length limit and says why.
#include "editor/LimitedInputDialog.h"

#include <QLineEdit>

LimitedInputDialog::LimitedInputDialog(QWidget *parent, const QString &labelText, int limit,
                                       const QString &text)
    : QInputDialog(parent)
    , m_limit(qMax(0, limit))
{
    setWindowTitle(tr("Quillo Draftbay"));
    setInputMode(QInputDialog::TextInput);
    setLabelText(labelText);
    setTextEchoMode(QLineEdit::Normal);
    // QInputDialog makes its line edit for the text input mode and offers no getter for it.
    m_lineEdit = findChild<QLineEdit *>();
    Q_ASSERT(m_lineEdit);
    m_lineEdit->setAccessibleName(QString(labelText).remove(QLatin1Char('&')));
    connect(m_lineEdit, &QLineEdit::textChanged, this, &LimitedInputDialog::handleTextChanged);
    // Through the line edit, so that a preset name beyond the limit is cut as well.
    m_lineEdit->setText(text);
}

void LimitedInputDialog::handleTextChanged(const QString &text)
{
    if (text.size() <= m_limit) {
        m_lineEdit->setToolTip(QString());
        return;
    }
    // Cutting changes the text again, and that change clears the tip, so the tip comes after.
    const int cursor = m_lineEdit->cursorPosition();
    m_lineEdit->setText(text.left(m_limit));
    m_lineEdit->setCursorPosition(qMin(cursor, m_limit));
    m_lineEdit->setToolTip(tr("String is too long"));
}
