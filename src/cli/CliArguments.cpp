#include "CliArguments.h"

#include <charconv>
#include <map>
#include <set>

namespace ravlo {

const char* const kCliUsage = R"(usage: ravlo-cli <command> [options]
       ravlo-cli --help | --version

Commands:
  ports
      List the MIDI output ports as "index: name", then, after a line
      "inputs:", the input ports the same way. The built-in "Ravlo Monitor"
      pair comes last in both: it accepts everything, needs no synthesizer,
      and answers dump requests from what it was sent.

  Every command that reads or writes a model takes --model basic|extended:
  the instrument the model stands for. "basic" (the default) holds the
  blocks of the first XG level; "extended" adds the later instruments'
  blocks: the insertion effects 1..4, the multi EQ, the display text and
  their effect types, their published value ranges, part EQ, drum setups
  3 and 4, and the later instruments' voices by name.

  state [--load FILE]... [--song FILE]... [--unit N] [--store-unrecognized]
        [--keep-extensions] [--model M]
      Take the files in, in order, as File Open does (the model is reset once
      before the first file, so several files merge), then print the model,
      one line per item, bytes as two-digit upper-case hex:
        system: <7 bytes>
        reverb <type>: <20 bytes>          chorus <type>: <21 bytes>
        variation <type>: <16 decimal values> | <11 setting bytes>
        part <1..16>: <111 bytes>          drumkit <1..2>: <MSB> <program> <LSB>
        drum <1..2> <note>: <16 bytes>     channel <1..16>: <MSB> <voice> <LSB> | <11 bytes>
        uservoice <1..32>: <61 common bytes> | <4 x 80 element bytes>
        extension <address>: <bytes>       (kept XG extension parameters)
      With the extended model drum setups run 1..4 and each part line ends in
      "| eq" and its EQ bass gain, treble gain, bass and treble frequency.
      and with --model extended, after the variation line:
        insertion <1..4>: <type MSB LSB> | <16 decimal values> | <part> <5 depths>
        multieq: <21 bytes>                display: <32 letters as bytes>
      --song FILE takes a standard MIDI file in as a song, as File > Import
      Song Setup does: its sysex messages, and each channel's bank select,
      program change, controllers and parameter numbers before its first note.
      --keep-extensions keeps XG parameters at addresses no block of the model
      holds (display, insertion effects, multi EQ, parts and drums past the
      model's tables), as General Options > Keep XG extension parameters does.

  show [--load FILE]... [--song FILE]... [--unit N] [--keep-extensions] [--model M]
      Take the files in as state does, then print every parameter that
      differs from its XG default, one per line, in block order (system,
      reverb, chorus, variation, parts 1..16, drum setups, channels), as
        <block> [<index>]: <label> = <stored value> (<value in its unit>)
      for example: part 3: Pan = 1 (L63); with --model extended also
      "insertion <1..4>", "multi eq" and "display" lines.
      Nothing differing prints nothing.

  save -o OUT.syx [--load FILE]... [--song FILE]... [--categories LIST] [--bulk LIST]
       [--unit N] [--ad-reset] [--store-unrecognized] [--keep-extensions] [--model M]
      Open the files as above, run the send pass in saving mode and write what
      it recorded. LIST is comma-separated from
      reset,system,reverb,chorus,variation,part,drum1,drum2,drum3,drum4,extensions
      (drum3 and drum4 with the extended model; with --model extended also
      insertion,multieq,display, sent after variation). By
      default all categories are sent with only their non-default parameters
      (the kept extension parameters after the blocks, in address order);
      --categories chooses the categories, --bulk sends all parameters of the
      categories named. --unit sets the unit number (0..15), --ad-reset makes
      the reset also reset the A/D parts and the mixer.

  review [--load FILE]... [--song FILE]... [--categories LIST] [--bulk LIST] [--unit N]
         [--ad-reset] [--keep-extensions] [--model M]
      Print the text the Review command shows for that pass.

  scan FILE
      Print each message the intake cuts from FILE (MIDI-file mode for files
      starting with "MThd") as "<offset> <length> <hex bytes>", applying nothing.

  convert-q3v BANK.q3v [--unit N] [--force]
      Convert a QS300 voice bank into four .syx files beside it and print their
      paths. Files of those names are replaced only with --force. (The other
      commands take nothing in from a voice bank and write nothing.)

  patches FILE.syx... [-o OUT.txt]
      The QS300 patch list of the files, to standard output or to OUT (CR LF line ends).

  send [--port INDEX] [--unit N] [--delay MS] [--model M] FILE...
      Open the files into the model on an output port (the monitor port by
      default), passing every message on with a pause before each (10 ms, or
      MS), so the synthesizer follows.

  receive -o OUT.syx [--port INDEX] [--in-port INDEX] [--unit N] [--timeout MS] [--model M]
      Read the synthesizer back: ask it, through the output port, for the
      system block, the Reverb, Chorus and Variation blocks, the 16 parts and
      both drum setups (each note of the kit), wait up to MS (300) for each
      answer on the input port (the monitor pair by default), and write what
      arrived as an all-bulk save. Standard error names the blocks that did
      not answer; exit status 1 then. Channel controllers cannot be read
      from an XG instrument. With --model extended it also asks for the
      insertion effects and the multi EQ.

  identify [--port INDEX] [--in-port INDEX] [--unit N] [--timeout MS]
      Ask the synthesizer who it is (the universal Identity Request) and
      whether it holds the multi EQ, then print its identity and the model
      it stands for ("model: basic" or "model: extended"); exit status 1 when
      nothing answers.

  serve [--load FILE]... [--name NAME] [--unit N] [--model M] [--sound]
        [--soundfont FILE] [--rate HZ]
      Run a virtual XG synthesizer, with the files taken in as state does, on
      a port pair of its own: a JACK client NAME ("ravlo-xg") with the ports
      "in" and "out", or ALSA ports where JACK is not running. Prints "ready"
      once the ports exist and answers dump and parameter requests for unit N
      (0) and Identity Requests, as an instrument of the model M, until
      interrupted. --sound also plays what it is sent on a General
      MIDI SoundFont: out of the JACK client "ravlo-synth" (ports "left" and
      "right") while a JACK server runs, otherwise through PulseAudio or ALSA.

  render -o OUT.wav [--load FILE]... [--song FILE] [--unit N] [--keep-extensions]
         [--soundfont FILE] [--rate HZ]
      Take the --load files into a virtual XG synthesizer, then play the song
      on it, every event at its time, and write what is heard as a 16-bit
      stereo WAV file (44100 Hz, or HZ), with the sound that rings after the
      last event until it falls silent (at most 3 s). The SoundFont is FILE,
      or the one /usr/share/sounds/sf3/default-GM.sf3 or
      /usr/share/sounds/sf2/default-GM.sf2 names. A missing SoundFont, or a
      file that cannot be read, exits with 1 and writes nothing.

Unrecognised messages are reported on standard error with their counts and
dropped; --store-unrecognized writes them to RavloError.syx beside the file
instead. Exit status: 0 success, 1 a file could not be read or written, a
port could not be opened, (receive) a block did not answer or (render,
serve --sound) no SoundFont could be loaded, 2 usage.
)";

namespace {

constexpr int kMaxTimeoutMs = 10000;
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;

bool ParseNumber(const std::string& text, int low, int high, int& value) {
  int parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size() || parsed < low || parsed > high) {
    return false;
  }
  value = parsed;
  return true;
}

// A category with a non-default box, or, through `flag`, one without
// (reset, extensions).
CategoryChoice* FindCategory(SendChoices& choices, const std::string& name, bool*& flag) {
  const std::map<std::string, CategoryChoice*> categories{
      {"system", &choices.system},       {"reverb", &choices.reverb}, {"chorus", &choices.chorus},
      {"variation", &choices.variation}, {"part", &choices.part},     {"drum1", &choices.drum1},
      {"drum2", &choices.drum2},         {"drum3", &choices.drum3},   {"drum4", &choices.drum4},
      {"insertion", &choices.insertion}, {"multieq", &choices.multiEq}};
  const std::map<std::string, bool*> flags{{"reset", &choices.reset},
                                           {"extensions", &choices.extensions},
                                           {"display", &choices.display}};
  const auto named = flags.find(name);
  flag = named != flags.end() ? named->second : nullptr;
  const auto found = categories.find(name);
  return found != categories.end() ? found->second : nullptr;
}

std::vector<std::string> SplitList(const std::string& list) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = list.find(',', start);
    const std::size_t end = comma == std::string::npos ? list.size() : comma;
    items.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

bool ApplyCategories(const std::string& list, SendChoices& choices, std::string& error) {
  SendChoices chosen = choices;
  chosen.ClearCategories();
  for (const std::string& name : SplitList(list)) {
    bool* flag = nullptr;
    CategoryChoice* category = FindCategory(chosen, name, flag);
    if (flag != nullptr) {
      *flag = true;
    } else if (category != nullptr) {
      category->send = true;
    } else {
      error = "unknown category \"" + name + "\"";
      return false;
    }
  }
  choices = chosen;
  return true;
}

bool ApplyBulk(const std::string& list, SendChoices& choices, std::string& error) {
  for (const std::string& name : SplitList(list)) {
    bool* flag = nullptr;
    CategoryChoice* category = FindCategory(choices, name, flag);
    if (category != nullptr) {
      category->nonDefaultOnly = false;
    } else if (flag == nullptr) {  // a category without the box: naming it changes nothing
      error = "unknown category \"" + name + "\"";
      return false;
    }
  }
  return true;
}

}  // namespace

bool ParseCliArguments(const std::vector<std::string>& argv, CliArguments& arguments,
                       std::string& error) {
  if (argv.empty()) {
    error = "no command";
    return false;
  }
  arguments.command = argv[0];
  // Controllers travel as channel messages and never reach a saved file.
  arguments.choices.controllers.send = false;
  std::string categories;
  std::string bulk;
  for (std::size_t i = 1; i < argv.size(); ++i) {
    const std::string& option = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argv.size()) {
        error = option + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    std::string text;
    if (option == "--load" || option == "--song") {
      if (!value(text)) return false;
      arguments.loads.push_back({text, option == "--song"});
    } else if (option == "-o" || option == "--output") {
      if (!value(arguments.output)) return false;
    } else if (option == "--categories") {
      if (!value(categories)) return false;
    } else if (option == "--bulk") {
      if (!value(bulk)) return false;
    } else if (option == "--unit") {
      if (!value(text) || !ParseNumber(text, 0, 15, arguments.unit)) {
        if (error.empty()) error = "--unit takes a number from 0 to 15";
        return false;
      }
    } else if (option == "--port") {
      int port = 0;
      if (!value(text) || !ParseNumber(text, -1, 1 << 20, port)) {
        if (error.empty()) error = "--port takes a port index";
        return false;
      }
      arguments.port = port;
    } else if (option == "--in-port") {
      int port = 0;
      if (!value(text) || !ParseNumber(text, 0, 1 << 20, port)) {
        if (error.empty()) error = "--in-port takes a port index";
        return false;
      }
      arguments.inPort = port;
    } else if (option == "--timeout") {
      int timeout = 0;
      if (!value(text) || !ParseNumber(text, 1, kMaxTimeoutMs, timeout)) {
        if (error.empty()) error = "--timeout takes milliseconds from 1 to 10000";
        return false;
      }
      arguments.timeoutMs = static_cast<unsigned>(timeout);
    } else if (option == "--name") {
      if (!value(arguments.name)) return false;
      if (arguments.name.empty()) {
        error = "--name takes a name";
        return false;
      }
    } else if (option == "--delay") {
      int delay = 0;
      if (!value(text) ||
          !ParseNumber(text, 0, static_cast<int>(SendChoices::kMaxDelayMs), delay)) {
        if (error.empty()) error = "--delay takes milliseconds from 0 to 1000";
        return false;
      }
      arguments.delayMs = static_cast<unsigned>(delay);
    } else if (option == "--soundfont") {
      if (!value(arguments.soundFont)) return false;
    } else if (option == "--rate") {
      int rate = 0;
      if (!value(text) || !ParseNumber(text, kMinRate, kMaxRate, rate)) {
        if (error.empty()) error = "--rate takes a sample rate from 8000 to 192000";
        return false;
      }
      arguments.rate = rate;
    } else if (option == "--sound") {
      arguments.sound = true;
    } else if (option == "--model") {
      if (!value(text)) return false;
      const std::optional<InstrumentModel> model = InstrumentModelFromName(text);
      if (!model) {
        error = "--model takes basic or extended";
        return false;
      }
      arguments.instrument = *model;
    } else if (option == "--ad-reset") {
      arguments.adReset = true;
    } else if (option == "--store-unrecognized") {
      arguments.storeUnrecognised = true;
    } else if (option == "--keep-extensions") {
      arguments.keepExtensions = true;
    } else if (option == "--force") {
      arguments.force = true;
    } else if (!option.empty() && option[0] == '-' && option != "-") {
      error = "unknown option " + option;
      return false;
    } else {
      arguments.files.push_back(option);
    }
  }
  if (!categories.empty() && !ApplyCategories(categories, arguments.choices, error)) return false;
  if (!bulk.empty() && !ApplyBulk(bulk, arguments.choices, error)) return false;
  return true;
}

}  // namespace ravlo
