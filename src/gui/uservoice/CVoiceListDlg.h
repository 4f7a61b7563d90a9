#pragma once

#include <QDialog>
#include <optional>

#include "uservoice/UserVoiceBanks.h"

class QListWidget;

namespace ravlo {

class UserVoiceModel;

// Picks one slot of the Bank or of the VBank. Fill it before running it; a
// list that cannot be filled means the dialog is not run at all.
class CVoiceListDlg final : public QDialog {
  Q_OBJECT

 public:
  CVoiceListDlg(UserVoiceModel& voices, UserBank bank, QWidget* parent = nullptr);

  UserBank Bank() const { return bank_; }
  // Lists the 32 slots ("n - name"), creating empty ones; false if it could not.
  bool Fill();
  // The chosen slot 0..31, if one is selected.
  std::optional<int> Selection() const;
  QListWidget* List() const { return list_; }

 private:
  UserVoiceModel& voices_;
  UserBank bank_;
  QListWidget* list_;
};

}  // namespace ravlo
