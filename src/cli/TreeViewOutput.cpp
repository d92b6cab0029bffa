#include "cli/TreeViewOutput.h"

#include "core/options/Language.h"
#include "core/options/StringIds.h"
#include "core/text/WideText.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

// What the walk writes of each item: before its children and after them.
class CItemWriter {
public:
    virtual ~CItemWriter() = default;
    virtual void Open(const CTreeNode& node, std::size_t nLevel) = 0;
    virtual void Close() = 0;
};

class CTextItemWriter : public CItemWriter {
public:
    explicit CTextItemWriter(std::string& strOut) : m_strOut(strOut) {}

    void Open(const CTreeNode& node, std::size_t nLevel) override
    {
        m_strOut.append(nLevel * 2, ' ');
        m_strOut += WideToUtf8(node.m_strText);
        m_strOut += '\n';
        if (m_strOut.size() >= kFlushSize)
            FlushOutput(m_strOut);
    }
    void Close() override {}

private:
    std::string& m_strOut;
};

class CJsonItemWriter : public CItemWriter {
public:
    CJsonItemWriter(CJsonWriter& writer, std::string& strOut) : m_writer(writer), m_strOut(strOut) {}

    void Open(const CTreeNode& node, std::size_t) override
    {
        m_writer.BeginObject().Key("person").Int(node.m_nPerson).Key("text").String(node.m_strText);
        m_writer.Key("children").BeginArray();
        Flush();
    }
    void Close() override
    {
        m_writer.EndArray().EndObject();
        Flush();
    }

private:
    void Flush()
    {
        if (m_writer.Text().size() < kFlushSize)
            return;
        m_writer.MoveText(m_strOut);
        FlushOutput(m_strOut);
    }

    CJsonWriter& m_writer;
    std::string& m_strOut;
};

// Depth first with the open levels on a stack rather than by recursion, as
// lines can be thousands of generations deep. The walker is told the path an
// item at a time, so an item costs the same however deep it lies; only the
// items beside the path are held, and the output goes out as it is made.
// False when it stopped at the item limit; the levels open then are closed.
bool WalkTree(CTreeWalker& walker, std::vector<CTreeNode> roots, int nMaxDepth, std::int64_t& nItemsLeft,
              CItemWriter& writer)
{
    struct CLevel {
        std::vector<CTreeNode> m_items;
        std::size_t m_nNext = 0;
    };
    std::vector<CLevel> levels;
    levels.push_back({std::move(roots)});
    bool bCut = false;
    for (;;) {
        CLevel& level = levels.back();
        const std::size_t nLevel = levels.size() - 1;
        if (nItemsLeft <= 0 && level.m_nNext < level.m_items.size()) {
            bCut = true;
            level.m_nNext = level.m_items.size();
        }
        if (level.m_nNext == level.m_items.size()) {
            levels.pop_back();
            if (levels.empty())
                return !bCut;
            walker.Leave();
            writer.Close();
            continue;
        }
        --nItemsLeft;
        const CTreeNode& node = level.m_items[level.m_nNext++];
        writer.Open(node, nLevel);
        if (!node.m_bHasChildren || (nMaxDepth >= 0 && nLevel >= static_cast<std::size_t>(nMaxDepth))) {
            writer.Close();
            continue;
        }
        walker.Enter(node.m_nPerson);
        levels.push_back({walker.ChildrenOfEntered()});
    }
}

bool WriteText(CTreeWalker& walker, const CTreeContent& content, int nMaxDepth, std::int64_t& nItemsLeft,
               std::string& strOut)
{
    strOut += WideToUtf8(content.m_strCountText) + '\n';
    CTextItemWriter items(strOut);
    return WalkTree(walker, content.m_roots, nMaxDepth, nItemsLeft, items);
}

// `tree` has one root, or null when the view closes; `patriarchs` a list of
// them, empty when it closes.
bool WriteJson(CTreeWalker& walker, const CTreeContent& content, ViewMode mode, int nMaxDepth,
               std::int64_t& nItemsLeft, std::string& strOut)
{
    bool bWhole = true;
    CJsonWriter writer;
    writer.BeginObject().Key("caption").String(content.m_strCaption);
    writer.Key("countText").String(content.m_strCountText);
    WriteMessage(writer, OwnMessage(content));
    CJsonItemWriter items(writer, strOut);
    if (mode == Patriarchs) {
        writer.Key("roots").BeginArray();
        bWhole = WalkTree(walker, content.m_roots, nMaxDepth, nItemsLeft, items);
        writer.EndArray();
    } else if (content.m_roots.empty()) {
        writer.Key("root").Null();
    } else {
        writer.Key("root");
        bWhole = WalkTree(walker, content.m_roots, nMaxDepth, nItemsLeft, items);
    }
    writer.EndObject();
    FinishDocument(writer, strOut);
    return bWhole;
}

// Where the program logs the boxes it does not show, the tool prints them.
void PrintNotShown(const std::vector<std::wstring>& astrLines)
{
    for (const std::wstring& strLine : astrLines)
        std::fprintf(stderr, "%s\n", WideToUtf8(strLine).c_str());
}

} // namespace

int TakeTreeDepth(const CCommandCall& call, int& nMaxDepth)
{
    nMaxDepth = -1;
    if (!call.Has("--depth"))
        return kExitDone;
    const std::wstring strDepth = call.Value("--depth");
    std::size_t nDigits = 0;
    const long long nDepth = LeadingNumber(strDepth, &nDigits);
    if (nDigits == 0 || nDigits != strDepth.size())
        return ReportUsageError("--depth takes a number of levels, 0 or more");
    nMaxDepth = static_cast<int>(std::min<long long>(nDepth, INT_MAX));
    return kExitDone;
}

int RunTreeView(const CDocument& doc, const CViewOptions& options, ViewMode mode, int nPerson, int nMaxDepth,
                bool bJson, std::string& strOut, std::int64_t nItemLimit)
{
    CTreeWalker walker(doc, options, mode);
    const CTreeContent content = walker.Build(nPerson);
    // The program logs the boxes held back before it shows the view's own word.
    const CMessageBox* pOwn = OwnMessage(content);
    PrintMessages(CMessages(content.m_messages.begin(), content.m_messages.end() - (pOwn ? 1 : 0)));
    PrintNotShown(content.m_astrNotShown);
    if (pOwn)
        PrintMessages({*pOwn});
    const bool bShown = !content.m_bClose && !content.m_roots.empty();
    // Every item expanded is one Expand of the whole tree.
    walker.BeginMessages();
    std::int64_t nItemsLeft = nItemLimit;
    bool bWhole = true;
    if (bJson)
        bWhole = WriteJson(walker, content, mode, nMaxDepth, nItemsLeft, strOut);
    else if (bShown)
        bWhole = WriteText(walker, content, nMaxDepth, nItemsLeft, strOut);
    const CTreeMessages messages = walker.EndMessages();
    PrintMessages(messages.m_boxes);
    PrintNotShown(messages.m_astrNotShown);
    if (!bWhole)
        PrintMessages({{LoadLangString(IDS_TREE_TOO_LARGE), LoadLangString(IDS_MESSAGE), CMessageIcon::Information}});
    return bShown ? kExitDone : kExitEmpty;
}
