#pragma once

#include <QObject>

#include "store/identifiers.h"
#include "ui/platform/ui_context.h"

namespace brevanta {

class DataStore;

// The main window's clipboard of investments and its drags: an investment cut or copied is
// kept by its identifiers, and Paste or a drop on another portfolio moves (Cut, or a drag) or
// copies (Copy) it there, as one change of the store.
class InvestmentTransfer : public QObject {
    Q_OBJECT

  public:
    explicit InvestmentTransfer(UiContext& context, QObject* parent = nullptr);

    void cut(Pid portfolio, Hid holding) { hold(Mode::Cut, portfolio, holding); }
    void copy(Pid portfolio, Hid holding) { hold(Mode::Copy, portfolio, holding); }
    void clear() { hold(Mode::Empty, {}, {}); }
    // Forgets what it holds when that is the investment, or lies in the portfolio.
    void forget(Pid portfolio, Hid holding = {});

    // Whether Paste onto the portfolio would move or copy something.
    bool canPasteInto(Pid portfolio) const;
    // Moves or copies what is held into the portfolio, once; a failure is shown.
    void paste(DataStore& store, Pid portfolio);
    // A node (holding 0 for a portfolio) dropped on the target portfolio, or on empty space
    // (target 0), where nothing moves.
    void drop(DataStore& store, Pid portfolio, Hid holding, Pid target);

  signals:
    // What Paste can do changed.
    void changed();

  private:
    enum class Mode { Empty, Cut, Copy };

    void hold(Mode mode, Pid portfolio, Hid holding);
    void transfer(DataStore& store, Mode mode, Hid holding, Pid target);

    UiContext& context_;
    Mode mode_ = Mode::Empty;
    Pid portfolio_{};
    Hid holding_{};
};

}  // namespace brevanta
