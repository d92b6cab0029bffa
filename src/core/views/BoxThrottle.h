#pragma once

#include "core/platform/Message.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

/// What one build of a tree view tells the user: the boxes to show in order,
/// and the log lines for those held back.
struct CTreeMessages {
    CMessages m_boxes;
    std::vector<std::wstring> m_astrNotShown;
};

/// Keeps the boxes about missing records of one view from piling up: a file
/// that links to hundreds of records it does not hold would otherwise raise
/// hundreds of boxes one after another.
///
/// A missing id is reported once for the life of the throttle (one view),
/// however many lines lead to it. Within one build, between Begin and End,
/// only the first box of each message is given; the later ones become log
/// lines.
class CBoxThrottle {
public:
    /// The log the held-back boxes go to, named in the first box of their
    /// message; without it the boxes name none.
    void SetLogPath(std::wstring strLogPath) { m_strLogPath = std::move(strLogPath); }

    /// Starts one build's messages: the first box of each message is given.
    void Begin();
    /// Ends them: the boxes to show in the order raised, the first of a
    /// message held back saying how many more went to the log, when it has
    /// one, and where; and a
    /// line per box not shown, naming its id, then a line per message with
    /// their number, for the caller to log.
    CTreeMessages End();

    /// The record `strId` is missing: a box, a log line, or nothing when the
    /// view has told it already.
    void Report(int nStringId, CMessageIcon icon, const std::wstring& strId);
    /// A box given whatever the build has shown: the view's own word.
    void Show(int nStringId, CMessageIcon icon);

private:
    struct CHeldBoxes {
        int m_nStringId;
        int m_nCount;
    };

    std::wstring m_strLogPath;
    std::set<std::pair<int, std::wstring>> m_reported;
    std::set<int> m_shownInBuild;   ///< messages whose box this build has shown
    std::vector<CHeldBoxes> m_held; ///< per message, the boxes of this build not shown
    CTreeMessages m_messages;       ///< of this build
};
