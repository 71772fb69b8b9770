#pragma once

#include <QFrame>
#include <QString>

#include <memory>

class BannerFetch;
class ClickLabel;

// The advertisement strip across the top of the main window: the banner
// picture, played from the file the download stores, and a "×" that hides
// the strip for the rest of the run. A failed download hides it too.
class BannerStrip : public QFrame
{
public:
    // `file` is where the download stores the picture.
    BannerStrip(std::shared_ptr<BannerFetch> fetch, QString file, QWidget *parent);
    ~BannerStrip() override;

    // The start-up's banner step: a download that ended beside the splash is
    // shown now; otherwise one starts, and until it ends the strip shows the
    // picture of an earlier run, if any (at the first step only).
    void step();
    // The "×": the strip stays hidden for the run.
    void dismiss();
    bool pending() const;

    ClickLabel *picture() const { return m_picture; }
    ClickLabel *closer() const { return m_closer; }

private:
    void showOutcome(bool stored);
    bool loadPicture();

    std::shared_ptr<BannerFetch> m_fetch;
    QString m_file;
    ClickLabel *m_picture;
    ClickLabel *m_closer;
    bool m_shown = true; // once hidden, the strip stays hidden for the run
    bool m_stepped = false;
};
