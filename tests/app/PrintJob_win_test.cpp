#include "app/PrintJob_win.h"

#include <gtest/gtest.h>

#include "support/RaisedMessage.h"
#include "toolkit/html/HtmlView_win.h"

namespace {

TEST(PrintJob, RefusesPageOperationsWhenNotPrinting) {
    TPrintJob job;
    EXPECT_EQ(MessageOf([&] { job.NewPage(); }), "Printer is not currently printing");
    EXPECT_EQ(MessageOf([&] { job.EndDoc(); }), "Printer is not currently printing");
    EXPECT_EQ(MessageOf([&] { job.Abort(); }), "Printer is not currently printing");
    EXPECT_FALSE(job.Printing());
}

// Runs on the PDF printer that tools/test makes the default; the job is aborted, so nothing prints.
TEST(PrintJob, BeginsOnTheDefaultPrinterAndRefusesASecondBegin) {
    TPrintJob job;
    job.BeginDoc();
    EXPECT_TRUE(job.Printing());
    EXPECT_EQ(job.PageNumber(), 1);
    EXPECT_GT(job.PageWidth(), 1000);
    EXPECT_GT(job.PageHeight(), job.PageWidth());
    EXPECT_EQ(MessageOf([&] { job.BeginDoc(); }), "Printing in progress");
    job.NewPage();
    EXPECT_EQ(job.PageNumber(), 2);
    job.Abort();
    EXPECT_FALSE(job.Printing());
    EXPECT_EQ(job.PageNumber(), 0);
}

TEST(PrintPages, WithoutADocumentDoesNothing) {
    THtmlView view;
    EXPECT_NO_THROW(PrintPages(view, 1, 9999));
    EXPECT_EQ(TPrintJob::Current(), nullptr);
}

// A one-page report asked for from page 2: the job begins and is dropped, and the job that was
// current before is current again.
TEST(PrintPages, DropsTheJobWhenTheDocumentEndsBeforeTheFirstPage) {
    THtmlView view;
    view.LoadLines({"<table border=1><tr><td>only row</td></tr></table>"}, "");
    TPrintJob outer;
    const TCurrentPrintJob current(outer);
    EXPECT_NO_THROW(PrintPages(view, 2, 9999));
    EXPECT_EQ(TPrintJob::Current(), &outer);
}

}  // namespace
