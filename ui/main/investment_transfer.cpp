#include "ui/main/investment_transfer.h"

#include "store/data_store.h"

namespace brevanta {

InvestmentTransfer::InvestmentTransfer(UiContext& context, QObject* parent)
    : QObject(parent), context_(context) {}

void InvestmentTransfer::hold(Mode mode, Pid portfolio, Hid holding) {
    mode_ = mode;
    portfolio_ = portfolio;
    holding_ = holding;
    emit changed();
}

void InvestmentTransfer::forget(Pid portfolio, Hid holding) {
    if (portfolio == portfolio_ && (holding == Hid{} || holding == holding_)) clear();
}

bool InvestmentTransfer::canPasteInto(Pid portfolio) const {
    return mode_ != Mode::Empty && portfolio != portfolio_;
}

void InvestmentTransfer::paste(DataStore& store, Pid portfolio) {
    if (!canPasteInto(portfolio)) return;
    const Mode mode = mode_;
    const Pid source = portfolio_;
    const Hid holding = holding_;
    clear();  // a copy is pasted once
    // Deleted or moved by another program meanwhile: its identifier may now be reused.
    if (!store.holdings().FindHoldingIn(source, holding)) {
        context_.platform.ShowPlain(tr("The investment to paste no longer exists."));
        return;
    }
    transfer(store, mode, holding, portfolio);
}

void InvestmentTransfer::drop(DataStore& store, Pid portfolio, Hid holding, Pid target) {
    clear();
    // A portfolio moves nowhere, and an investment dropped on empty space or on its own
    // portfolio stays.
    if (holding == Hid{} || target == Pid{} || target == portfolio) return;
    transfer(store, Mode::Cut, holding, target);
}

void InvestmentTransfer::transfer(DataStore& store, Mode mode, Hid holding, Pid target) {
    BusyCursor busy(context_.platform);
    const bool move = mode == Mode::Cut;
    const StoreResult<HoldingRecord> result = move ? store.holdings().MoveHolding(holding, target)
                                                   : store.holdings().CopyHolding(holding, target);
    ShowIfFailed(context_.platform, result.status(),
                 move ? tr("The investment could not be moved.")
                      : tr("The investment could not be copied."));
}

}  // namespace brevanta
