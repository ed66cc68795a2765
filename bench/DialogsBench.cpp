// Dialogs: loading and saving the notes file (the save flushes the file to
// the disk and renames it over the old one), and installing a new language
// folder from the shipped Vietnamese one.

#include "dialogs/LanguageInstaller.h"
#include "dialogs/NotesFile.h"
#include "engine/LanguageState.h"
#include "platform/SystemPaths.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace talvoren;

namespace fs = std::filesystem;

namespace
{
NOTESTEXT Notes(int count)
{
    NOTESTEXT notes;
    for (int i = 0; i < count; ++i)
        notes.rows.push_back({std::to_string(i % 28 + 1), std::to_string(i % 12 + 1),
                              "Ghi chú số " + std::to_string(i) + " của người dùng"});
    return notes;
}

std::string ScratchFolder(const char* name)
{
    const fs::path folder = fs::temp_directory_path() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.string();
}

void BM_NotesLoad(benchmark::State& state)
{
    const std::string image = CNotesFile::Encode(Notes(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        const NOTESTEXT notes = CNotesFile::Decode(image.data(), image.size());
        benchmark::DoNotOptimize(notes.rows.data());
    }
}
BENCHMARK(BM_NotesLoad)->Arg(10)->Arg(1000);

void BM_NotesSave(benchmark::State& state)
{
    const std::string folder = ScratchFolder("talvoren-bench-notes");
    const NOTESTEXT notes = Notes(static_cast<int>(state.range(0)));
    MESSAGETEXT error;
    for (auto _ : state) {
        if (!CNotesFile::Save(folder + "/uNote.txt", notes, &error)) {
            state.SkipWithError(error.Text().c_str());
            break;
        }
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_NotesSave)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_InstallLanguageFolder(benchmark::State& state)
{
    const std::string shipped = std::string(TALVOREN_PROGRAM_DIR) + "/Vietnam/";
    if (!fs::exists(shipped + "utitles.txt")) {
        state.SkipWithError("build the language data first: no shipped Vietnam folder");
        return;
    }
    const std::string program = ScratchFolder("talvoren-bench-program");
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(program + "/German");
        CLanguageState language;
        language.strFolder = shipped;
        state.ResumeTiming();
        if (!CLanguageInstaller::Install(DATAFOLDERS{program, program}, "German", false, language)) {
            state.SkipWithError("the installation failed");
            break;
        }
    }
    fs::remove_all(program);
}
BENCHMARK(BM_InstallLanguageFolder)->Unit(benchmark::kMillisecond);
} // namespace
