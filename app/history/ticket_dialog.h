#pragma once

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// 记录投注: the 期号 the grid's bets are bought for (the next draw's
// proposed, the player may type another) and, where the lottery sells it,
// 追加, with what the ticket costs as they stand.
class TicketDialog : public QDialog
{
public:
    // `priceFen` is what a single bet costs without 追加.
    TicketDialog(const QString &lottery, std::int64_t betCount, const QString &issue, bool extraSold,
                 std::int64_t priceFen, QWidget *parent = nullptr);
    ~TicketDialog() override;

    QString issue() const;
    bool extra() const;

    QLineEdit *issueEdit = nullptr;
    QCheckBox *extraCheck = nullptr;
    QLabel *costLabel = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

private:
    void showCost();

    std::int64_t m_betCount;
    std::int64_t m_priceFen;
};
