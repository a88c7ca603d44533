// A long recovery run through the real window: the progress bar, the window
// drawing itself meanwhile, and Escape or the close box to stop it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "app/TitleBand.h"
#include "lang/Texts.h"
#include "res/Palette.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

const char kCaption[] = "Velmo Image Recovery";

// The same JPEG again and again between runs of filler: under Wine, a few
// thousand picture files take the run a few seconds.
struct PictureDocument {
    TempFolder root{"velmo-long"};
    std::string outputPath = root.Ansi() + "\\out\\";
    std::string outputDirectory = outputPath + "LongREC";
    std::string path = root.Ansi() + "\\Long.doc";
    std::string picture = Fixture("jfif-baseline.jpg");
    int pictures;

    PictureDocument(int count, size_t fillerBetween) : pictures(count) {
        fs::create_directories(root.Path() / "out");
        const std::string filler(fillerBetween, 'D');
        std::string bytes;
        bytes.reserve((filler.size() + picture.size()) * count);
        for (int i = 0; i < count; ++i) bytes += filler + picture;
        root.WriteFile("Long.doc", bytes);
    }
    // How many picture files the run left, or -1 when one is not the whole picture.
    int WholePicturesOnDisk() const {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(root.Path() / "out" / "LongREC")) {
            if (ReadFileBytes(entry.path().string()) != picture) return -1;
            ++count;
        }
        return count;
    }
};

// Looks at the window from a thread timer: it fires only while the run lets
// the window's messages through, each time running the test's own step.
class RunObserver {
public:
    struct Sample {
        long long ms;  // since the run started
        bool barShown;
        int barPos;
    };

    RunObserver(ProbedRecoveryDlg& dialog, UINT intervalMs,
                std::function<void(RunObserver&)> step = nullptr)
        : m_dialog(dialog), m_step(std::move(step)) {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, intervalMs, &RunObserver::Tick);
    }
    ~RunObserver() {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }

    // Presses Extract and returns once the run is over.
    void Run() {
        m_start = Clock::now();
        m_dialog.Command(IDC_EXTRACT_BUTTON);
        m_duration = Elapsed();
    }

    long long Elapsed() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_start)
            .count();
    }
    long long Duration() const { return m_duration; }
    ProbedRecoveryDlg& Dialog() { return m_dialog; }
    HWND Bar() const { return m_dialog.Item(IDC_PROGRESS); }
    int BarPos() const { return static_cast<int>(SendMessageW(Bar(), PBM_GETPOS, 0, 0)); }
    const std::vector<Sample>& Samples() const { return m_samples; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        RunObserver* self = s_current;
        // The run's commands are off exactly while it scans; the report's box
        // comes after.
        if (!self || IsWindowEnabled(self->m_dialog.Item(IDC_DOCUMENT_LIST))) return;
        self->m_samples.push_back(
            {self->Elapsed(), IsWindowVisible(self->Bar()) != 0, self->BarPos()});
        if (self->m_step) self->m_step(*self);
    }

    static RunObserver* s_current;
    ProbedRecoveryDlg& m_dialog;
    std::function<void(RunObserver&)> m_step;
    UINT_PTR m_timer = 0;
    Clock::time_point m_start;
    long long m_duration = 0;
    std::vector<Sample> m_samples;
};

RunObserver* RunObserver::s_current = nullptr;

// Lists and selects the document, presses Extract with the observer looking
// every intervalMs, and checks that the bar is gone and the commands are
// back afterwards.
struct ObservedRun {
    std::vector<RunObserver::Sample> samples;
    long long duration = 0;
    int listRows = 0;
};

ObservedRun ExtractObserved(const PictureDocument& document, UINT intervalMs,
                            std::function<void(RunObserver&)> step) {
    ObservedRun run;
    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        shown.AddSelectedDocument(document.path);
        RunObserver observer(shown, intervalMs, step);
        observer.Run();
        run.samples = observer.Samples();
        run.duration = observer.Duration();
        run.listRows = shown.List().GetItemCount();
        EXPECT_FALSE(IsWindowVisible(observer.Bar())) << "the bar stays after the run";
        EXPECT_EQ(observer.BarPos(), 0);
        EXPECT_TRUE(IsWindowEnabled(shown.Item(IDC_DOCUMENT_LIST))) << "the commands stay off";
    });
    dialog.DoModal();
    return run;
}

}  // namespace

// The bar comes up once the run has taken half a second and only grows; the
// window, whited out on the screen meanwhile, draws itself again.
TEST(LongRunTest, ShowsItsProgressAndKeepsTheWindowDrawn) {
    SettingsFileGuard guard;
    PictureDocument document(2000, 16 * 1024);
    WriteValidSettings(RunRecord(1, document.outputPath, 0));
    MessageBoxWatcher watcher({IDOK});
    bool whitedOut = false;
    std::vector<WindowPixels> shots;
    RECT list{};
    RECT barArea{};

    const std::vector<RunObserver::Sample> samples =
        ExtractObserved(document, 50, [&](RunObserver& run) {
            HWND window = run.Dialog().GetSafeHwnd();
            if (!whitedOut && IsWindowVisible(run.Bar())) {
                // As a window laid over it and taken away would leave it.
                RECT onScreen;
                GetWindowRect(window, &onScreen);
                HDC screen = GetDC(nullptr);
                FillRect(screen, &onScreen, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                ReleaseDC(nullptr, screen);
                InvalidateRect(window, nullptr, TRUE);
                whitedOut = true;
            } else if (whitedOut && shots.empty()) {
                shots.push_back(WindowPixels::AsShown(window));
                GetWindowRect(run.Dialog().Item(IDC_DOCUMENT_LIST), &list);
                MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&list), 2);
                GetWindowRect(run.Bar(), &barArea);
                MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&barArea), 2);
            }
        }).samples;

    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text, StoredReport(2000, document.outputDirectory));
    ASSERT_GT(samples.size(), 5u) << "the window's messages were not let through";
    int previous = 0;
    bool shown = false;
    for (const RunObserver::Sample& sample : samples) {
        if (sample.barShown) {
            EXPECT_GE(sample.ms, 500) << "shown too early";
        }
        EXPECT_TRUE(sample.barShown || !shown) << "hidden again at " << sample.ms;
        EXPECT_GE(sample.barPos, previous);
        shown = sample.barShown;
        previous = sample.barPos;
    }
    EXPECT_TRUE(shown) << "the bar never showed";
    EXPECT_GE(previous - samples.front().barPos, 3) << "the bar did not grow";

    ASSERT_EQ(shots.size(), 1u) << "no look at the window during the run";
    const WindowPixels& shot = shots[0];
    const int right = shot.Width() - 5;
    EXPECT_EQ(shot.At(right, 10), kTitleDarkGreen);
    EXPECT_EQ(shot.At(right, 30), kTitleBrightGreen);
    const int belowList = list.bottom + 4;
    EXPECT_EQ(shot.At(list.right - 10, belowList), BandColour(belowList / kBandStep * kBandStep));
    EXPECT_GT(shot.CountColor(barArea, GetSysColor(COLOR_HIGHLIGHT)), 50) << "no bar in the shot";
    RECT whole{0, 0, shot.Width(), shot.Height()};
    EXPECT_LT(shot.CountColor(whole, RGB(255, 255, 255)), shot.Width() * shot.Height() / 4);
}

// Escape asks; No goes on, and a later Escape asks again; Yes ends the run
// after the picture being written. What was stored stays, whole, and the
// report says so; the document is not offered for deletion although the
// settings ask for it.
TEST(LongRunTest, EscapeAndYesStopTheRunAndKeepWhatWasStored) {
    SettingsFileGuard guard;
    PictureDocument document(2000, 16 * 1024);
    WriteValidSettings(RunRecord(1, document.outputPath, 1));
    MessageBoxWatcher watcher({IDNO, IDYES, IDOK});
    std::vector<long long> pressedAt;
    int stored = 0;

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        shown.AddSelectedDocument(document.path);
        RunObserver observer(shown, 50, [&](RunObserver& run) {
            if (run.Elapsed() > 600 + 400 * static_cast<long long>(pressedAt.size()) &&
                pressedAt.size() < 2) {
                pressedAt.push_back(run.Elapsed());
                // The key goes where the keyboard is, as a real key press does.
                PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
            }
        });
        observer.Run();
        stored = shown.m_pictureCount;
        EXPECT_FALSE(shown.m_runAborted);
        EXPECT_EQ(shown.m_outputDirectory, document.outputDirectory);
    });
    dialog.DoModal();

    ASSERT_EQ(pressedAt.size(), 2u);
    ASSERT_EQ(watcher.Count(), 3u);
    auto boxes = watcher.Boxes();
    for (int question : {0, 1}) {
        EXPECT_EQ(boxes[question].text, "Stop the recovery? The pictures stored so far are kept.");
        EXPECT_EQ(boxes[question].caption, kCaption);
    }
    EXPECT_GT(stored, 0);
    EXPECT_LT(stored, document.pictures);
    EXPECT_EQ(boxes[2].text, "Recovery stopped. Pictures stored so far: " + std::to_string(stored) +
                                 ", in the folder " + document.outputDirectory);
    EXPECT_EQ(document.WholePicturesOnDisk(), stored);
    EXPECT_TRUE(watcher.Problems().empty());
    EXPECT_TRUE(fs::exists(document.path));
}

// The close box asks in the window's language; No lets the run finish. The
// commands sent meanwhile (a second run, emptying the list, Exit) do nothing.
TEST(LongRunTest, CloseBoxAndNoLetTheRunFinishAndOtherCommandsWait) {
    SettingsFileGuard guard;
    PictureDocument document(2000, 16 * 1024);
    WriteValidSettings(RunRecord(LANG_GERMAN, document.outputPath, 0));
    MessageBoxWatcher watcher({IDNO, IDOK});
    bool closed = false;

    const ObservedRun run = ExtractObserved(document, 50, [&](RunObserver& observer) {
        if (closed || observer.Elapsed() < 800) return;
        closed = true;
        ProbedRecoveryDlg& shown = observer.Dialog();
        shown.Command(IDC_EXTRACT_BUTTON);
        shown.Command(IDC_EMPTY_BUTTON);
        shown.Command(IDOK);
        shown.PostMessage(WM_SYSCOMMAND, SC_CLOSE);
    });

    ASSERT_TRUE(closed);
    ASSERT_EQ(watcher.Count(), 2u);
    auto boxes = watcher.Boxes();
    EXPECT_EQ(boxes[0].text, Text(kAskStopRun, LANG_GERMAN));
    EXPECT_EQ(boxes[1].text, FormatText(Text(kRunResultStored, LANG_GERMAN),
                                        {document.pictures, document.outputDirectory}));
    EXPECT_EQ(document.WholePicturesOnDisk(), document.pictures);
    EXPECT_EQ(run.listRows, 1);
    EXPECT_TRUE(watcher.Problems().empty());
}

// A run over in less than half a second never shows the bar, though it lets
// the window's messages through as every run does.
TEST(LongRunTest, AShortRunNeverShowsTheBar) {
    SettingsFileGuard guard;
    PictureDocument document(40, 128 * 1024);
    WriteValidSettings(RunRecord(1, document.outputPath, 0));
    MessageBoxWatcher watcher({IDOK});

    const ObservedRun run = ExtractObserved(document, 5, nullptr);

    ASSERT_LT(run.duration, 500) << "too slow to tell";
    ASSERT_FALSE(run.samples.empty()) << "the window's messages were not let through";
    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text, StoredReport(40, document.outputDirectory));
    for (const RunObserver::Sample& sample : run.samples)
        EXPECT_FALSE(sample.barShown) << sample.ms;
}
