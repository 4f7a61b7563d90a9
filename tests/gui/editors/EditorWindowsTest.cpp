#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "channels/ControllerSlots.h"
#include "editors/CControllersDlg.h"
#include "editors/CDrumSetsDlg.h"
#include "editors/CPartDlg.h"
#include "editors/CPartRunDlg.h"
#include "editors/CSystemControlDlg.h"
#include "editors/PartRunLayouts.h"
#include "midi/MidiResult.h"
#include "parts/PartParameterTable.h"
#include "shapes/PartShapes.h"
#include "support/FakeEditorHost.h"
#include "support/FakeSoundView.h"
#include "support/ModelFixture.h"
#include "support/TypedIndices.h"
#include "voices/VoiceCatalogue.h"
#include "widgets/CurveView.h"
#include "widgets/EditSpinPair.h"

namespace ravlo {
namespace {

using test::PartChange;

constexpr bool kOk = true;
constexpr bool kCancel = false;
constexpr int kReverbSlot = static_cast<int>(ControllerSlot::Reverb);

// One editor window, open over the fake port.
template <typename Dialog>
class EditorWindowTest : public ::testing::Test, public test::ModelRig {
 protected:
  EditorWindowTest() { dialog.OpenWindow(); }

  static void Type(EditSpinPair& field, const QString& text) {
    field.Edit()->setText(text);
    field.Commit();
  }

  test::FakeEditorHost host;
  Dialog dialog{model, host};
};

using Messages = std::vector<std::vector<std::uint8_t>>;

// The open Part window; `answer` answers its modal dialogs (Cancel when unset).
class PartDlgTest : public EditorWindowTest<CPartDlg> {
 protected:
  PartDlgTest() {
    dialog.SetModalRunner([this](QDialog& modal) {
      return answer ? answer(modal) : static_cast<int>(QDialog::Rejected);
    });
    dialog.SetMessageShower([this](const QString& text) { messages.push_back(text); });
    ClearSent();
  }

  template <typename T = QWidget>
  static T* Child(const QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static void Type(EditSpinPair* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    field->Edit()->setText(text);
    field->Commit();
  }
  void Press(const char* name) { Child<QPushButton>(dialog, name)->click(); }
  static int Ok(QDialog& dialog) {
    Child<QPushButton>(dialog, "Ok")->click();
    return dialog.result();
  }

  EditSpinPair* Field(const char* name) { return Child<EditSpinPair>(dialog, name); }
  QPushButton* Button(const char* name) { return Child<QPushButton>(dialog, name); }
  void Choose(std::optional<int> voice) {
    dialog.SetVoiceChooser([voice] { return voice; });
    Press("Voice");
  }
  // Opens the button's dialog on the shown part, does `edit` in it, then OK or Cancel.
  void Run(const char* button, bool ok, const std::function<void(QDialog&)>& edit) {
    answer = [&edit, ok](QDialog& dialog) {
      edit(dialog);
      return ok ? Ok(dialog) : static_cast<int>(QDialog::Rejected);
    };
    Press(button);
    answer = nullptr;
  }
  static void TypeIn(QDialog& dialog, const char* field, const QString& text) {
    Type(Child<EditSpinPair>(dialog, field), text);
  }
  template <typename T>
  static bool Enabled(QDialog& dialog, const char* name) {
    return Child<T>(dialog, name)->isEnabled();
  }

  std::function<int(QDialog&)> answer;
  std::vector<QString> messages;
};

TEST_F(PartDlgTest, PartNumberSendsNothingButReservedSendsAndMarks) {
  Type(Field("PartNumber"), "10");
  Type(Field("PartNumber"), "17");  // beyond the part count: refused
  EXPECT_TRUE(Pieces().empty());
  EXPECT_EQ(dialog.windowTitle(), "Part -- StndKit1");
  EXPECT_EQ(host.partChannels, (std::vector<int>{10}));

  dialog.SelectPart(4);
  Type(Field("Reserved"), "5");
  EXPECT_EQ(Pieces(), (Messages{PartChange(4, 0x00, 0x05)}));
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartDlgTest, ChannelAndOffSendAndTheOffPartShowsItsRememberedChannel) {
  dialog.SelectPart(2);
  backend.sendResult = kMidiError;  // failed sends leave the part as it was
  Button("Off")->click();
  EXPECT_FALSE(dialog.IsOff());
  backend.sendResult = kMidiOk;

  Type(Field("Channel"), "5");
  Button("Off")->click();
  EXPECT_FALSE(Field("Channel")->isEnabled());
  // Away and back: the off part still shows the channel it had.
  dialog.SelectPart(0);
  dialog.SelectPart(2);
  EXPECT_EQ(Field("Channel")->Value(), 5);
  Button("Off")->click();
  EXPECT_EQ(Pieces(), (Messages{PartChange(2, 0x04, 0x04), PartChange(2, 0x04, 0x7F),
                                PartChange(2, 0x04, 0x04)}));
  EXPECT_EQ(Button("Off")->text(), "On");
  EXPECT_EQ(host.modified, 3);
  EXPECT_EQ(host.partChannels, (std::vector<int>{5, 5, 5}));
}

TEST_F(PartDlgTest, TuneNeedsANormalPartAndAChosenKitMakesADrumPart) {
  dialog.SelectPart(9);
  for (const char* name : {"Tune", "PAT", "Pitch"}) EXPECT_FALSE(Button(name)->isEnabled()) << name;
  dialog.SelectPart(0);
  EXPECT_TRUE(Button("PAT")->isEnabled());

  Choose(std::nullopt);
  Choose(523);
  EXPECT_TRUE(Pieces().empty());
  Choose(FindVoice(1, 127, 0, model, InstrumentModel::Basic).index);
  EXPECT_TRUE(dialog.IsDrum());
  EXPECT_EQ(dialog.windowTitle(), "Part -- StndKit1");
  EXPECT_EQ(Pieces()[0], PartChange(0, 0x01, 0x7F));
  EXPECT_EQ(host.partChannels, std::vector<int>{1});
  EXPECT_EQ(host.modified, 1);

  // While the sound plays, the window names the preset heard.
  auto* heard = Child<QLabel>(dialog, "HeardPreset");
  EXPECT_TRUE(heard->isHidden());
  test::FakeSoundView sound;
  dialog.SetSound(&sound);
  dialog.SelectPart(2);
  EXPECT_EQ(heard->text(), "Heard: part 3");
}

TEST_F(PartDlgTest, TheMainBarOperations) {
  EXPECT_TRUE(dialog.SelectPart(5));
  EXPECT_FALSE(dialog.SelectPart(16));
  EXPECT_FALSE(dialog.SelectPart(-1));
  EXPECT_EQ(Field("PartNumber")->Value(), 6);
  EXPECT_TRUE(dialog.SelectPartByChannel(9));
  EXPECT_EQ(dialog.ShownPart(), 9);
  PutPartByte(2, 0x04, 5);  // no part on channel 3 now
  EXPECT_FALSE(dialog.SelectPartByChannel(2));
  dialog.SelectPart(5);
  EXPECT_TRUE(dialog.SelectPartByChannel(5));
  EXPECT_EQ(dialog.ShownPart(), 5) << "it receives on 6 already";

  dialog.ShowFirstPart();
  EXPECT_EQ(dialog.ShownPart(), 0);
  EXPECT_TRUE(host.partChannels.empty());
  EXPECT_TRUE(Pieces().empty());

  // A kit chosen on the channel elsewhere shows at once.
  model.Parts().ApplyChannelVoice(test::ChannelAt(0), 0, 127, 0);
  EXPECT_TRUE(dialog.IsDrum());
  EXPECT_FALSE(Button("PAT")->isEnabled());
}

// Each title shows whole, beside the title bar's icon and buttons.
TEST_F(PartDlgTest, TitlesShowWholeAndEveryFieldOfARunCanBeBroughtBack) {
  const std::pair<const char*, const char*> titles[] = {{"Mode", "Part 1 Mode"},
                                                        {"Mod", "Part 1 Modulation Wheel Control"},
                                                        {"Rcv", "Part 1 Receive"}};
  for (const auto& [button, title] : titles) {
    Run(button, kCancel, [title = QString(title)](QDialog& dialog) {
      EXPECT_EQ(dialog.windowTitle(), title);
      const int bar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight);
      EXPECT_GE(dialog.minimumWidth(), dialog.fontMetrics().horizontalAdvance(title) + 4 * bar)
          << title.toStdString();
    });
  }

  // Each run's fields have their own names and lie in its spans, so Cancel can bring each back.
  const std::pair<PartRunKind, int> kinds[] = {
      {PartRunKind::PartControl, 0}, {PartRunKind::PartFxSend, 0},
      {PartRunKind::ToneControl, 0}, {PartRunKind::Control, 0x1D},
      {PartRunKind::Control, 0x53},  {PartRunKind::AssignableController, 0x60},
      {PartRunKind::ScaleTuning, 0}, {PartRunKind::PitchEnvelope, 0}};
  for (const auto& [kind, buttonBase] : kinds) {
    const PartRunLayout& layout = GetPartRunLayout(kind);
    const int base = layout.baseFromButton ? buttonBase : 0;
    const std::vector<PartRunSpan> spans = PartRunSpans(layout, base);
    std::set<std::string_view> names;
    for (const PartRunGroup& group : layout.groups) {
      for (std::uint8_t offset : group.offsets) {
        const int address = base + offset;
        const ParameterDescriptor& parameter =
            kPartParameters[static_cast<std::size_t>(address)].parameter;
        SCOPED_TRACE(parameter.reviewName);
        EXPECT_TRUE(names.insert(parameter.name).second);
        const int last = address + parameter.ByteCount() - 1;
        EXPECT_TRUE(std::any_of(spans.begin(), spans.end(), [&](const PartRunSpan& span) {
          return address >= span.address && last < span.address + span.count;
        }));
      }
    }
  }
}

TEST_F(PartDlgTest, OkSendsEachFieldToTheRunOfItsButton) {
  struct Case {
    const char* button;
    const char* field;
    const char* text;
    std::vector<std::uint8_t> sent;
  };
  const Case cases[] = {{"Mod", "PitchControl", "-24", PartChange(0, 0x1D, 0x28)},
                        {"AC2", "ControllerNumber", "95", PartChange(0, 0x60, 0x5F)},
                        {"Tune", "B", "-64", PartChange(0, 0x4C, 0x00)},
                        {"Pitch", "ReleaseTime", "63", PartChange(0, 0x6C, 0x7F)},
                        {"Ctrl", "Detune", "-128", PartChange(0, 0x09, {0x00, 0x00})}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    ClearSent();
    Run(c.button, kOk, [&c](QDialog& d) { TypeIn(d, c.field, c.text); });
    EXPECT_EQ(Pieces(), Messages{c.sent});
  }
  Run("Ctrl", kOk, [](QDialog& d) { Child<QPushButton>(d, "Portamento")->click(); });
  EXPECT_EQ(Pieces().back(), PartChange(0, 0x67, 0x01));
  EXPECT_EQ(host.modified, 6);
}

TEST_F(PartDlgTest, CancelSendsTheOldValuesBackAndRestoresTheControllers) {
  dialog.SelectPart(4);
  const int before = ChannelController(4, kReverbSlot);
  Run("FX", kCancel, [this](QDialog& d) {
    TypeIn(d, "Reverb", "40");  // the stored value
    backend.sendResult = kMidiError;
    TypeIn(d, "Chorus", "90");
    backend.sendResult = kMidiOk;
  });
  EXPECT_TRUE(Pieces().empty());  // nothing changed: nothing to restore
  Run("FX", kCancel, [](QDialog& d) { TypeIn(d, "Reverb", "60"); });
  // The edit, then the whole run back, the reverb send with its old value.
  ASSERT_EQ(Pieces().size(), 5u);
  EXPECT_EQ(Pieces()[3], PartChange(4, 0x13, 0x28));
  EXPECT_EQ(ChannelController(4, kReverbSlot), before);
  EXPECT_EQ(host.modified, 0);
}

TEST_F(PartDlgTest, ToneControlRangePromptsAndPictures) {
  answer = [](QDialog& d) {
    TypeIn(d, "Rate", "-");  // no number: a beep only
    TypeIn(d, "Rate", "-65");
    EditSpinPair* rate = Child<EditSpinPair>(d, "Rate");
    rate->Edit()->setText("-65");
    EXPECT_NE(Ok(d), QDialog::Accepted);
    rate->Edit()->setText("10");  // OK commits a value still in the box
    return Ok(d);
  };
  Press("Tone");
  EXPECT_EQ(messages, std::vector<QString>(2, "Please enter an integer between -64 and 63."));
  EXPECT_EQ(Pieces(), Messages{PartChange(0, 0x15, 0x4A)});

  // Tone Control's pictures follow its fields as they are typed.
  ClearSent();
  answer = [](QDialog& d) {
    auto& dialog = dynamic_cast<CPartRunDlg&>(d);
    CurveView* envelope = dialog.Picture(PartPicture::AmplitudeEnvelope);
    CurveView* filter = dialog.Picture(PartPicture::FilterResponse);
    EXPECT_EQ(dialog.Picture(PartPicture::PitchEnvelope), nullptr);
    if (envelope == nullptr || filter == nullptr) return Ok(d);  // fails the count below
    TypeIn(d, "Attack", "16");
    Child<EditSpinPair>(d, "Release")->Edit()->setText("-16");  // not taken yet
    EXPECT_EQ(envelope->Points(), part_shapes::AmplitudeEnvelope(16, 0, -16).points);
    EXPECT_EQ(envelope->Reference(), part_shapes::AmplitudeEnvelope(0, 0, 0).points);
    TypeIn(d, "Resonance", "30");
    EXPECT_EQ(filter->Points(), part_shapes::FilterResponse(0, 30));
    return Ok(d);
  };
  Press("Tone");
  EXPECT_EQ(Pieces().size(), 3u);
}

TEST_F(PartDlgTest, ADrumPartsDialogsDisableWhatItLacksAndLeaveItAlone) {
  dialog.SelectPart(9);
  Run("Tone", kCancel, [](QDialog& d) { EXPECT_FALSE(Enabled<EditSpinPair>(d, "Depth")); });
  Run("Ctrl", kCancel, [](QDialog& d) {
    EXPECT_FALSE(Enabled<QPushButton>(d, "Portamento"));
    TypeIn(d, "Volume", "90");
  });
  // The edit, then the runs a drum part has: 08..10 (detune as a pair) and 6D..6E.
  EXPECT_EQ(Pieces().size(), 1u + 8u + 2u);
  for (const auto& message : Pieces()) EXPECT_TRUE(message[6] < 0x67 || message[6] > 0x68);

  ClearSent();
  Run("Rcv", kOk, [](QDialog&) {});  // unchanged: nothing goes
  EXPECT_TRUE(Pieces().empty());
  Run("Rcv", kOk, [](QDialog& d) {
    EXPECT_FALSE(Enabled<QCheckBox>(d, "PolyAftertouch"));
    Child<QCheckBox>(d, "Note")->click();
  });
  EXPECT_EQ(Pieces().size(), 14u);
  EXPECT_EQ(PartByte(9, 0x35), 0);
  EXPECT_EQ(host.modified, 1);
}

TEST_F(PartDlgTest, TheModeDialogOffersWhatThePartCanBeAndTheWindowShowsTheResult) {
  Run("Mode", kCancel, [](QDialog& d) {
    EXPECT_TRUE(Enabled<QRadioButton>(d, "Drum"));
    EXPECT_FALSE(Enabled<QRadioButton>(d, "Drum1"));
    EXPECT_TRUE(Child<QRadioButton>(d, "Poly")->isChecked());
  });
  EXPECT_EQ(host.modified, 0);
  dialog.SelectPart(9);
  Run("Mode", kOk, [](QDialog& d) {
    EXPECT_FALSE(Enabled<QRadioButton>(d, "Mono"));
    EXPECT_TRUE(Child<QRadioButton>(d, "Drum1")->isChecked());
  });
  // Unchanged OK: 06 and 07 go out again (05 is not the drum part's), and the document is marked.
  EXPECT_EQ(Pieces().size(), 2u);
  EXPECT_EQ(host.modified, 1);

  PutPartByte(3, 0x07, 1);
  PutPartByte(3, 0x03, 24);
  dialog.SelectPart(1);
  Run("Mode", kOk, [](QDialog& d) { Child<QRadioButton>(d, "Drum")->click(); });
  // The window never shows a voice that is not playing.
  EXPECT_EQ(dialog.VoiceName(),
            QString::fromUtf8(model.Parts().PartVoiceName(test::PartAt(3)).name.data()));
  EXPECT_EQ(host.partChannels, std::vector<int>{2});

  // A failed send stores nothing but still marks.
  backend.sendResult = kMidiError;
  dialog.SelectPart(0);
  Run("Mode", kOk, [](QDialog& d) { Child<QRadioButton>(d, "Drum")->click(); });
  EXPECT_EQ(host.modified, 3);

  // The extended instrument's part EQ and drum setups.
  backend.sendResult = kMidiOk;
  ClearSent();
  EXPECT_FALSE(Child<QPushButton>(dialog, "EQ")->isVisibleTo(&dialog));
  model.SetInstrument(InstrumentModel::Extended);
  dialog.SelectPart(9);
  ASSERT_TRUE(Child<QPushButton>(dialog, "EQ")->isVisibleTo(&dialog));
  Run("EQ", kOk, [](QDialog& d) { TypeIn(d, "BassGain", "70"); });
  EXPECT_EQ(Pieces(), (Messages{PartChange(9, 0x72, 70)}));
  Run("Mode", kCancel, [](QDialog& d) { EXPECT_TRUE(Enabled<QRadioButton>(d, "Drum4")); });
}

using test::Bytes;
using test::ChannelAt;
using test::NoteAt;
using test::SystemChange;

enum { kRowVolume, kRowExpression, kRowPan, kRowModulation, kRowReverb, kRowChorus, kRowVariation };

class CControllersDlgTest : public EditorWindowTest<CControllersDlg> {
 protected:
  EditSpinPair& Controller(int slot) { return *dialog.ControllerField(slot); }
};

TEST_F(CControllersDlgTest, StaticsShowTheChannelsVoiceOrMultipleOrDashes) {
  EXPECT_EQ(dialog.windowTitle(), "Controllers -- Channel 1");
  const VoiceLookup piano = FindVoice(1, 0, 0, model, InstrumentModel::Basic);
  EXPECT_EQ(dialog.VoiceNameLabel().text(), QString::fromLatin1(piano.name.data()));
  EXPECT_EQ(dialog.ElementsLabel().text(), QString("Elements: %1").arg(piano.elements));
  EXPECT_EQ(dialog.BankTypeLabel().text(), QString::fromLatin1(BankTypeName(0, 0).data()));

  PutPartByte(5, part_address::kReceiveChannel, 4);  // two parts on channel 5
  ASSERT_TRUE(dialog.SelectChannel(5));
  EXPECT_EQ(dialog.BankTypeLabel().text(), "----");
  EXPECT_EQ(dialog.ElementsLabel().text(), "-");
}

TEST_F(CControllersDlgTest, AControllerSendsAControlChangeAndOnlyDocumentOnesMark) {
  Type(dialog.ChannelField(), "3");
  Type(Controller(kRowChorus), "64");
  EXPECT_EQ(backend.ShortBytes(), (Messages{{0xB2, 0x5D, 0x40}}));
  EXPECT_EQ(ChannelController(2, kRowChorus), 64);
  // Expression and modulation are no part of the document.
  Type(Controller(kRowExpression), "90");
  Type(Controller(kRowModulation), "30");
  EXPECT_EQ(host.modified, 1);
  EXPECT_EQ(host.modulations, std::vector<int>{30});

  // The piano's modulation: stored, not sent.
  backend.ClearSent();
  EXPECT_TRUE(dialog.SetModulation(56));
  EXPECT_FALSE(dialog.SetModulation(128));
  EXPECT_TRUE(backend.ShortBytes().empty());
  EXPECT_EQ(Controller(kRowModulation).Edit()->text(), "56");
  dialog.CloseWindow();
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::Controllers});
}

TEST_F(CControllersDlgTest, VoiceFieldsAndCatalogueVoicesSendBankAndProgramAndTellTheMainBar) {
  Type(dialog.VoiceField(), "5");
  EXPECT_EQ(backend.ShortBytes(), (Messages{{0xB0, 0x00, 0x00}, {0xB0, 0x20, 0x00}, {0xC0, 0x04}}));
  EXPECT_EQ(host.voicesForChannel.at(0).program, 5);
  dialog.SelectChannel(2);
  ASSERT_TRUE(dialog.SelectChannelVoice(1));  // GrndPnoK: bank 0 / 1, program 1
  EXPECT_FALSE(dialog.SelectChannelVoice(523));
  ASSERT_EQ(host.voicesForChannel.size(), 2u);
  EXPECT_EQ(host.voicesForChannel[1].lsb, 1);
  EXPECT_EQ(dialog.BankLsbField().Edit()->text(), "1");
}

TEST_F(CControllersDlgTest, AFailedSendChangesNothingAndVoiceAndPanWrapButVolumeStops) {
  // A failed send changes nothing, the voice included.
  backend.sendResult = kMidiError;
  Type(Controller(kRowVolume), "20");
  EXPECT_EQ(Controller(kRowVolume).Edit()->text(), "100");
  // The synthesizer did not get the bank: the window and the parts keep what it plays.
  Type(dialog.BankMsbField(), "64");
  EXPECT_EQ(dialog.BankMsbField().Edit()->text(), "0");
  EXPECT_EQ(PartByte(0, 0x01), 0);
  EXPECT_TRUE(host.voicesForChannel.empty());
  EXPECT_EQ(host.modified, 0);
  backend.sendResult = kMidiOk;

  Type(dialog.VoiceField(), "128");
  Type(Controller(kRowPan), "127");
  Type(Controller(kRowVolume), "127");
  backend.ClearSent();
  dialog.VoiceField().Step(+1);
  Controller(kRowPan).Step(+1);
  Controller(kRowVolume).Step(+1);
  EXPECT_EQ(backend.ShortBytes(),
            (Messages{{0xB0, 0x00, 0x00}, {0xB0, 0x20, 0x00}, {0xC0, 0x00}, {0xB0, 0x0A, 0x00}}));
}

TEST_F(CControllersDlgTest, ChannelChangesMoveThePianoAndPartAndPartEditsShowAtOnce) {
  Type(Controller(kRowModulation), "12");
  Type(dialog.ChannelField(), "4");
  ASSERT_EQ(host.controllerChannels.size(), 1u);
  EXPECT_EQ(host.controllerChannels[0].channel, 4);
  Type(dialog.ChannelField(), "1");
  EXPECT_EQ(host.controllerChannels.back().modulation, 12);

  // The main bar's SelectChannel: the piano moved itself and needs only the modulation.
  model.Channels().StoreModulation(ChannelAt(5), 44);
  EXPECT_FALSE(dialog.SelectChannel(17));
  EXPECT_TRUE(dialog.SelectChannel(6));
  EXPECT_EQ(host.modulations, (std::vector<int>{12, 44}));
  EXPECT_EQ(host.controllerChannels.size(), 2u);

  EXPECT_TRUE(dialog.FollowPartChannel(6));
  EXPECT_EQ(host.controllerChannels.size(), 2u) << "the channel shown already";
  EXPECT_TRUE(dialog.FollowPartChannel(1));
  EXPECT_FALSE(dialog.FollowPartChannel(17));
  EXPECT_EQ(host.controllerChannels.size(), 3u);

  // After a load on channel 1 the piano and Part window stay where they are.
  dialog.ShowFirstChannel(true);
  EXPECT_EQ(host.controllerChannels.size(), 3u);
  dialog.SelectChannel(2);
  dialog.ShowFirstChannel(false);
  EXPECT_EQ(dialog.ShownChannel(), 1);
  EXPECT_EQ(host.controllerChannels.size(), 4u);
}

constexpr int kPitchCoarse = 0x00;
constexpr int kLevel = 0x02;

class CDrumSetsDlgTest : public EditorWindowTest<CDrumSetsDlg> {
 protected:
  EditSpinPair& Parameter(int address) { return *dialog.ParameterField(address); }
};

TEST_F(CDrumSetsDlgTest, SetAndNoteShowANoteUnderItsKitSendingNothingAndTheModelShowsAtOnce) {
  EXPECT_EQ(dialog.windowTitle(), "Drum -- StndKit1");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "Surdo Mute");
  EXPECT_EQ(dialog.ParameterField(16), nullptr);
  ClearSent();
  Type(dialog.NoteField(), "36");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "BassDrum H");
  EXPECT_EQ(Parameter(kLevel).Value(), 0x7F);
  Type(dialog.NoteField(), "85");
  Type(dialog.SetField(), "3");  // two setups on the first level
  Type(dialog.NoteField(), "92");
  EXPECT_EQ(dialog.SetField().Edit()->text(), "1");
  EXPECT_EQ(dialog.NoteField().Edit()->text(), "85");
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.modified, 0);

  // Kit changes and values that come from elsewhere show at once.
  Type(dialog.NoteField(), "36");
  model.Drums().SetKitVoice(0, {127, 25, 0});
  EXPECT_EQ(dialog.windowTitle(), "Drum -- Analog");
  EXPECT_EQ(dialog.NoteNameLabel().text(), "BD Analog H");
  PutDrumByte(0, NoteAt(36), kPitchCoarse, 0x30);
  EXPECT_EQ(Parameter(kPitchCoarse).Edit()->text(), "-16");
}

TEST_F(CDrumSetsDlgTest, AnEditGoesToTheShownSetAndNoteAndDefaultSendsTheKitsNoteBack) {
  Type(dialog.SetField(), "2");
  Type(dialog.NoteField(), "36");
  ClearSent();
  Type(Parameter(kPitchCoarse), "-64");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x24, 0x00, 0x00, 0xF7}));
  ClearSent();
  // The note goes back to the kit's defaults, on the synthesizer too.
  dialog.findChild<QPushButton*>("Default")->click();
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x24, 0x00, 0x40, 0xF7}));
  EXPECT_EQ(Parameter(kPitchCoarse).Edit()->text(), "0");
  EXPECT_EQ(host.modified, 2);

  backend.sendResult = kMidiError;
  Type(Parameter(kLevel), "20");
  EXPECT_EQ(Parameter(kLevel).Edit()->text(), "127") << "what the synthesizer has";
  EXPECT_EQ(host.modified, 2);

  // The extended instrument's setups three and four.
  backend.sendResult = kMidiOk;
  model.SetInstrument(InstrumentModel::Extended);
  ASSERT_TRUE(model.Drums().SetKitVoice(3, {127, 25, 0}));  // a notice shows the note again
  Type(dialog.SetField(), "4");
  Type(dialog.NoteField(), "36");
  ClearSent();
  Type(Parameter(kLevel), "100");
  EXPECT_EQ(Sent(), Bytes({0xF0, 0x43, 0x10, 0x4C, 0x33, 36, kLevel, 100, 0xF7}));
}

using CSystemControlDlgTest = EditorWindowTest<CSystemControlDlg>;

// The fields take their ranges and wire forms from the parameters.
TEST_F(CSystemControlDlgTest, FieldsSendAtOnceWithinTheirRangesAndShowWhatTheModelHas) {
  Type(dialog.TransposeField(), "25");
  Type(dialog.TuneField(), "-1025");
  EXPECT_TRUE(Sent().empty());
  Type(dialog.TuneField(), "1023");
  EXPECT_EQ(Sent(), SystemChange(0x00, {0x00, 0x07, 0x0F, 0x0F}));
  EXPECT_EQ(host.modified, 1);
  ASSERT_TRUE(model.System().SetMasterVolume(70));
  EXPECT_EQ(dialog.VolumeField().Edit()->text(), "70");

  backend.sendResult = kMidiError;
  EditSpinPair& volume = dialog.VolumeField();
  Type(volume, "90");
  EXPECT_EQ(volume.Edit()->text(), "70") << "what the synthesizer has";
  EXPECT_EQ(host.modified, 1);

  // A typed value is taken when its window is left (another window activated),
  backend.sendResult = kMidiOk;
  ClearSent();
  volume.Edit()->setText("90");
  volume.Edit()->setModified(true);
  QFocusEvent leave(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(volume.Edit(), &leave);
  EXPECT_EQ(Sent(), SystemChange(0x04, {0x5A}));
  // but not when a popup of the box itself (its context menu) opens.
  ClearSent();
  volume.Edit()->setText("91");
  QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(volume.Edit(), &popup);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(CSystemControlDlgTest, EscapeTakesWhatIsTypedResetsSendAndReopeningShowsTheModel) {
  // Still being typed when Escape comes: committed on the way out.
  dialog.TransposeField().Edit()->setFocus();
  dialog.TransposeField().Edit()->setText("1");
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(host.closed, std::vector<EditorSlot>{EditorSlot::SystemControl});
  EXPECT_EQ(Sent(), SystemChange(0x06, {0x41}));
  const std::uint8_t block[] = {0x00, 0x04, 0x06, 0x04, 80, 0x00, 0x3B};
  model.System().StoreBytes(0, block);
  dialog.OpenWindow();
  EXPECT_EQ(dialog.TuneField().Edit()->text(), "100");

  // The reset buttons send at once, without asking.
  const std::pair<const char*, std::vector<std::uint8_t>> resets[] = {
      {"All", SystemChange(0x7F, {0x00})}, {"Drum2", SystemChange(0x7D, {0x01})}};
  for (const auto& [name, sent] : resets) {
    ClearSent();
    dialog.findChild<QPushButton*>(name)->click();
    EXPECT_EQ(Sent(), sent) << name;
  }
  EXPECT_EQ(events.allParameterResets, 1);
  EXPECT_EQ(events.drumSetupResets, (std::vector<int>{1}));
}

}  // namespace
}  // namespace ravlo
