#include "app/history/ticket_dialog.h"

#include "history/ticket_ledger.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TicketDialog::TicketDialog(const QString &lottery, std::int64_t betCount, const QString &issue,
                           bool extraSold, std::int64_t priceFen, QWidget *parent)
    : QDialog(parent)
    , m_betCount(betCount)
    , m_priceFen(priceFen)
{
    setObjectName(QStringLiteral("ticketDialog"));
    setWindowTitle(QStringLiteral("记录投注"));
    auto *form = new QFormLayout(this);
    auto *name = new QLabel(lottery, this);
    name->setTextFormat(Qt::PlainText);
    form->addRow(QStringLiteral("彩票："), name);
    issueEdit = new QLineEdit(issue, this);
    issueEdit->setObjectName(QStringLiteral("issueEdit"));
    issueEdit->setPlaceholderText(QStringLiteral("如2026094"));
    form->addRow(QStringLiteral("期号："), issueEdit);
    extraCheck = new QCheckBox(QStringLiteral("追加投注（每注加1元）"), this);
    extraCheck->setObjectName(QStringLiteral("extraCheck"));
    extraCheck->setVisible(extraSold);
    if (extraSold)
        form->addRow(QString(), extraCheck);
    costLabel = new QLabel(this);
    costLabel->setObjectName(QStringLiteral("costLabel"));
    costLabel->setTextFormat(Qt::PlainText);
    form->addRow(QStringLiteral("投入："), costLabel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    okButton = new QPushButton(QStringLiteral("记录"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("取消"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    form->addRow(buttons);
    connect(issueEdit, &QLineEdit::textChanged, this, [this] { showCost(); });
    connect(extraCheck, &QCheckBox::toggled, this, [this] { showCost(); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    showCost();
}

TicketDialog::~TicketDialog() = default;

QString TicketDialog::issue() const
{
    return issueEdit->text().trimmed();
}

bool TicketDialog::extra() const
{
    return extraCheck->isChecked();
}

void TicketDialog::showCost()
{
    const std::int64_t fen = m_betCount * (m_priceFen + (extra() ? kExtraFen : 0));
    costLabel->setText(
        QStringLiteral("%1注 %2元").arg(m_betCount).arg(QString::fromStdString(yuanText(fen))));
}
