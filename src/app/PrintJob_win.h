#ifndef PLUX_APP_PRINTJOB_WIN_H
#define PLUX_APP_PRINTJOB_WIN_H

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/win/Handles_win.h"

class THtmlView;

// One print job on the system's default printer, shown no dialog. BeginDoc opens the printer and
// starts page 1; NewPage moves on; EndDoc finishes the job, Abort drops it. Once the job has started
// at the spooler, every failure aborts it; the failures users see carry these texts:
// "There is no default printer currently selected", "Printer selected is not valid",
// "Printing in progress", "Printer is not currently printing".
class TPrintJob {
public:
    TPrintJob() = default;
    ~TPrintJob();  // aborts a job still running
    TPrintJob(const TPrintJob&) = delete;
    TPrintJob& operator=(const TPrintJob&) = delete;

    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string& Title() const { return title_; }

    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();

    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return pageNumber_; }
    int PageWidth() const;  // printable size in device pixels
    int PageHeight() const;
    HDC Canvas() const { return dc_.Get(); }

    // The job printing now, asked by the spooler's abort procedure; null between prints.
    static TPrintJob* Current();

private:
    friend class TCurrentPrintJob;
    void RequirePrinting() const;
    [[noreturn]] void Fail(const char* call, DWORD error, bool jobStarted);
    void Finish();

    TScopedDC dc_;
    std::vector<BYTE> deviceMode_;
    std::string title_;
    bool printing_ = false;
    bool aborted_ = false;
    int pageNumber_ = 0;
};

// Makes a job the current one for its scope and puts the previous one back after.
class TCurrentPrintJob {
public:
    explicit TCurrentPrintJob(TPrintJob& job);
    ~TCurrentPrintJob();
    TCurrentPrintJob(const TCurrentPrintJob&) = delete;
    TCurrentPrintJob& operator=(const TCurrentPrintJob&) = delete;

private:
    TPrintJob* previous_ = nullptr;
};

// The name of the system's default printer; fails when there is none.
std::string DefaultPrinterName();

// Prints pages firstPage to lastPage (from 1) of the view's document on the default printer, a document
// whose first column the view keeps in groups of columns that repeat it, its pages numbered. Without a
// document, or while the view is loading, nothing happens.
void PrintPages(THtmlView& view, int firstPage, int lastPage);

#endif
