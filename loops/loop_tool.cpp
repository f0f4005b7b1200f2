// SPDX-License-Identifier: GPL-3.0-or-later
#include "loops/loop_tool.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "core/field_number.h"
#include "loops/file_walk.h"
#include "loops/loop_reading.h"
#include "loops/record_format.h"

namespace loops {
namespace {

constexpr std::string_view kUsage = "Usage: tremlet-loop [options] FILE|FOLDER...\n";

constexpr std::string_view kHelp =
    "The exact tempo of audio loops from their length: frames / sample rate, and the\n"
    "beat count from the file's loop information, its tempo tag, its name, or a guess.\n"
    "\n"
    "Options:\n"
    "  --beats N         every loop holds N beats (fractions allowed)\n"
    "  --range MIN-MAX   tempos a guess prefers (default 80-160)\n"
    "  --full            six decimals instead of three\n"
    "  --json            JSON Lines instead of the table\n"
    "  --csv             CSV (RFC 4180) with a header row instead of the table\n"
    "  -r, --recursive   read folders within folders (links to folders are not followed)\n"
    "  -j N, --jobs N    read with N threads (default: the number of cores)\n"
    "  --help            show this help and exit\n"
    "  --version         show the version and exit\n"
    "\n"
    "A folder's audio files are read in the order of their names. Files that cannot be\n"
    "read are reported on standard error (in JSON, as their record). Exit status: 0 when\n"
    "every file was read, 1 when some were not, 2 for a usage error.\n";

struct ToolOptions {
  LoopOptions loop;
  RecordStyle style;
  unsigned jobs = 0;
  bool recursive = false;
  bool help = false;
  bool version = false;
  std::vector<std::string> inputs;
};

// A number that is the whole of the text, read by the calculator's rules.
std::optional<double> WholeNumber(std::string_view text) {
  double ignored = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ignored);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return core::ParseFieldNumber(text);
}

// The options, or the usage error's sentence.
std::optional<ToolOptions> ParseArguments(const std::vector<std::string>& arguments,
                                          std::string& problem) {
  ToolOptions options;
  bool onlyInputs = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (onlyInputs || argument.empty() || argument[0] != '-' || argument == "-") {
      options.inputs.push_back(argument);
      continue;
    }
    // "--name=value" and "--name value" alike; "-j4" and "-j 4".
    std::string name = argument;
    std::optional<std::string> value;
    if (const auto equals = argument.find('=');
        argument.starts_with("--") && equals != std::string::npos) {
      name = argument.substr(0, equals);
      value = argument.substr(equals + 1);
    } else if (argument.starts_with("-j") && argument.size() > 2) {
      name = "-j";
      value = argument.substr(2);
    }
    const auto takeValue = [&]() -> std::optional<std::string> {
      if (value) {
        return value;
      }
      if (i + 1 < arguments.size()) {
        return arguments[++i];
      }
      problem = name + " needs a value.";
      return std::nullopt;
    };
    if (name == "--") {
      onlyInputs = true;
    } else if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--version") {
      options.version = true;
    } else if (name == "--full") {
      options.style.full = true;
    } else if (name == "--json" || name == "--csv") {
      const RecordFormat format = name == "--json" ? RecordFormat::Json : RecordFormat::Csv;
      if (options.style.format != RecordFormat::Table && options.style.format != format) {
        problem = "--json and --csv cannot go together.";
        return std::nullopt;
      }
      options.style.format = format;
    } else if (name == "-r" || name == "--recursive") {
      options.recursive = true;
    } else if (name == "--beats") {
      const auto text = takeValue();
      if (!text) {
        return std::nullopt;
      }
      const std::optional<double> beats = WholeNumber(*text);
      if (!beats || !(*beats > 0) || !std::isfinite(*beats)) {
        problem = "--beats takes a number of beats above zero, not \"" + *text + "\".";
        return std::nullopt;
      }
      options.loop.beats = *beats;
    } else if (name == "--range") {
      const auto text = takeValue();
      if (!text) {
        return std::nullopt;
      }
      const auto dash = text->find('-', 1);
      const std::optional<double> low = dash != std::string::npos
                                            ? WholeNumber(std::string_view(*text).substr(0, dash))
                                            : std::nullopt;
      const std::optional<double> high = dash != std::string::npos
                                             ? WholeNumber(std::string_view(*text).substr(dash + 1))
                                             : std::nullopt;
      if (!low || !high || !(*low > 0) || !(*high > *low) || !std::isfinite(*high)) {
        problem = "--range takes two tempos, MIN-MAX with 0 < MIN < MAX, not \"" + *text + "\".";
        return std::nullopt;
      }
      options.loop.range = {*low, *high};
    } else if (name == "-j" || name == "--jobs") {
      const auto text = takeValue();
      if (!text) {
        return std::nullopt;
      }
      unsigned jobs = 0;
      const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), jobs);
      if (error != std::errc() || end != text->data() + text->size() || jobs < 1 || jobs > 1024) {
        problem = name + " takes a number of threads from 1 to 1024, not \"" + *text + "\".";
        return std::nullopt;
      }
      options.jobs = jobs;
    } else {
      problem = "unknown option " + argument + ".";
      return std::nullopt;
    }
  }
  if (!options.help && !options.version && options.inputs.empty()) {
    problem = "no file or folder to read.";
    return std::nullopt;
  }
  return options;
}

struct Outcome {
  std::string path;
  LoopResult result;
};

// Reads the walk's files with a pool of threads and hands the outcomes back in the walk's
// order. At most `window` files are in flight, so memory stays flat however long the run.
class ReadingPool {
 public:
  ReadingPool(unsigned jobs, const LoopOptions& options) : options_(options) {
    for (unsigned i = 0; i < jobs; ++i) {
      workers_.emplace_back([this] { Work(); });
    }
  }
  ~ReadingPool() {
    {
      const std::lock_guard lock(mutex_);
      closing_ = true;
    }
    queued_.notify_all();
    for (std::thread& worker : workers_) {
      worker.join();
    }
  }
  ReadingPool(const ReadingPool&) = delete;
  ReadingPool& operator=(const ReadingPool&) = delete;

  void Read(std::size_t index, std::string path) {
    {
      const std::lock_guard lock(mutex_);
      waiting_.push_back({index, std::move(path)});
    }
    queued_.notify_one();
  }
  void Settle(std::size_t index, Outcome outcome) {
    const std::lock_guard lock(mutex_);
    finished_.emplace(index, std::move(outcome));
  }
  Outcome Take(std::size_t index) {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return finished_.contains(index); });
    auto node = finished_.extract(index);
    return std::move(node.mapped());
  }

 private:
  struct Job {
    std::size_t index;
    std::string path;
  };

  void Work() {
    while (true) {
      Job job;
      {
        std::unique_lock lock(mutex_);
        queued_.wait(lock, [&] { return closing_ || !waiting_.empty(); });
        if (waiting_.empty()) {
          return;
        }
        job = std::move(waiting_.front());
        waiting_.pop_front();
      }
      LoopResult result = ReadLoopFile(job.path, options_);
      {
        const std::lock_guard lock(mutex_);
        finished_.emplace(job.index, Outcome{std::move(job.path), std::move(result)});
      }
      done_.notify_all();
    }
  }

  const LoopOptions& options_;
  std::mutex mutex_;
  std::condition_variable queued_;
  std::condition_variable done_;
  std::deque<Job> waiting_;
  std::map<std::size_t, Outcome> finished_;
  bool closing_ = false;
  std::vector<std::thread> workers_;
};

class Progress {
 public:
  explicit Progress(const ToolConsole& console) : console_(console) {}
  void Count(bool read) {
    ++(read ? read_ : failed_);
    const auto now = std::chrono::steady_clock::now();
    if (console_.errIsTerminal && now - shown_ > std::chrono::milliseconds(100)) {
      shown_ = now;
      console_.err << "\r" << read_ << " read, " << failed_ << " not read\x1b[K" << std::flush;
      visible_ = true;
    }
  }
  // Takes the line away before anything else is written to the terminal.
  void Clear() {
    if (visible_) {
      console_.err << "\r\x1b[K" << std::flush;
      visible_ = false;
    }
  }
  std::size_t failed() const { return failed_; }

 private:
  const ToolConsole& console_;
  std::size_t read_ = 0;
  std::size_t failed_ = 0;
  std::chrono::steady_clock::time_point shown_{};
  bool visible_ = false;
};

}  // namespace

int RunLoopTool(const std::vector<std::string>& arguments, const ToolConsole& console) {
  std::string problem;
  const std::optional<ToolOptions> options = ParseArguments(arguments, problem);
  if (!options) {
    console.err << "tremlet-loop: " << problem << "\n"
                << kUsage << "Try \"tremlet-loop --help\" for more.\n";
    return 2;
  }
  if (options->help) {
    console.out << kUsage << "\n" << kHelp;
    return 0;
  }
  if (options->version) {
    console.out << "tremlet-loop " << console.version << "\n";
    return 0;
  }

  const unsigned jobs =
      options->jobs != 0 ? options->jobs : std::max(1u, std::thread::hardware_concurrency());
  const std::size_t window = 8 * std::size_t{jobs} + 16;
  const RecordStyle& style = options->style;
  console.out << HeaderLine(style);

  FileWalk walk(options->inputs, options->recursive);
  ReadingPool pool(jobs, options->loop);
  Progress progress(console);
  std::size_t issued = 0;
  std::size_t written = 0;
  bool walkOver = false;
  while (true) {
    while (!walkOver && issued - written < window) {
      std::optional<WalkItem> item = walk.Next();
      if (!item) {
        walkOver = true;
      } else if (item->error) {
        pool.Settle(issued++, Outcome{item->path, LoopResult{std::nullopt, *item->error}});
      } else {
        pool.Read(issued++, std::move(item->path));
      }
    }
    if (written == issued) {
      break;
    }
    const Outcome outcome = pool.Take(written++);
    const LoopResult& result = outcome.result;
    if (result.reading) {
      console.out << RecordLine(style, outcome.path, *result.reading);
    } else if (style.format == RecordFormat::Json) {
      console.out << ErrorLine(outcome.path, result.error);
    } else {
      progress.Clear();
      console.out.flush();
      console.err << ErrorMessage(outcome.path, result.error);
    }
    progress.Count(result.reading.has_value());
  }
  progress.Clear();
  console.out.flush();
  return progress.failed() == 0 ? 0 : 1;
}

}  // namespace loops
