#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "midi/MidiOutDevice.h"
#include "model/InstrumentModel.h"

class QCheckBox;
class QListWidget;
class QRadioButton;

namespace ravlo {

class EditSpinPair;
class HelpWindow;
class UserPrompts;

// "MIDI Output Port": chooses the output port, the input port the synthesizer
// answers on ("(none)" first: then nothing is read back), the
// synthesizer's unit number and the instrument model it stands for, which
// the synthesizer can be asked for. F1 over a list, the unit box or the check box
// opens the help page at that control's topic.
class DevicesDialog final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 130;
  static constexpr int kPortListId = 1001;
  static constexpr int kInPortListId = 1002;
  static constexpr int kUnitId = 1194;
  static constexpr int kSendResetId = 1349;

  struct Choice {
    int port = -1;  // the port's index, -1 when none is selected
    int unitNumber = 0;
    bool sendReset = true;
    int inPort = -1;  // the input port's index, -1 for none
    InstrumentModel instrument = InstrumentModel::Basic;
  };
  // Asks the synthesizer on the output and input ports of `selected` (the dialog's choice so
  // far) which model it stands for; none when it did not say.
  using ModelAsker = std::function<std::optional<InstrumentModel>(const Choice& selected)>;

  DevicesDialog(const std::vector<MidiPort>& ports, const std::vector<MidiPort>& inputs,
                const Choice& current, UserPrompts& prompts, HelpWindow& help,
                QWidget* parent = nullptr, ModelAsker askModel = {});

  Choice Chosen() const;
  static unsigned HelpTopic(int controlId) {
    return static_cast<unsigned>(controlId) * 65536u + kDialogId;
  }

 public slots:
  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The two models, each with what it offers, and the question to the
  // synthesizer where there is one to ask.
  QWidget* BuildModelChoice(InstrumentModel current, ModelAsker askModel);

  std::vector<MidiPort> ports_;
  std::vector<MidiPort> inputs_;
  UserPrompts& prompts_;
  HelpWindow& help_;
  QListWidget* list_;
  QListWidget* inputList_;
  EditSpinPair* unit_;
  QCheckBox* sendReset_;
  QRadioButton* basic_;
  QRadioButton* extended_;
};

}  // namespace ravlo
