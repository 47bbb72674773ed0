#ifndef PLUX_TOOLKIT_STATUSBARLIST_H
#define PLUX_TOOLKIT_STATUSBARLIST_H

// The process-wide list of live status bars, which the keyboard watch repaints. The list is live while
// its one object exists (the keyboard watch holds it from program start to end); a bar adds itself when
// constructed and removes itself when destroyed, so a bar made while no list is live is never repainted
// by the watch.

#include <vector>

class TStatusBar;

class TStatusBarList {
public:
    TStatusBarList();
    ~TStatusBarList();
    TStatusBarList(const TStatusBarList&) = delete;
    TStatusBarList& operator=(const TStatusBarList&) = delete;

    // The live list; nullptr before program start and after its end.
    static TStatusBarList* Live();

    void Add(TStatusBar& bar);
    void Remove(TStatusBar& bar);
    // A key went down or up on the watched thread: a lock key repaints, in every live bar, the panels of
    // its style; any other key nothing.
    void KeyEvent(int virtualKey) const;

private:
    std::vector<TStatusBar*> bars_;
};

#endif
