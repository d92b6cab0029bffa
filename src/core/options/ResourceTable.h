#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/// One line of a drop-down menu; a separator has command 0 and no text.
struct CMenuItem {
    int m_nCommand = 0;
    std::wstring m_strText;
    bool m_bSeparator = false;
};

/// A menu resource: one drop-down with its own caption.
struct CMenuResource {
    std::wstring m_strCaption;
    std::vector<CMenuItem> m_items;
};

/// The record beside a menu that makes it a menu-bar button: the button's
/// command and the id of its caption string (taken without any offset; 0: none).
struct CMenuBarRecord {
    int m_nCommand = 0;
    int m_nCaptionId = 0;
};

/// A fault in a resource file: the rest of the file still loads.
struct CResourceError {
    std::wstring m_strFile;
    int m_nLine = 0;
    std::wstring m_strReason;
};

/// Strings, menus and menu-bar records of one resource source: the program's
/// own (English and Russian) or a language module.
class CResourceTable {
public:
    /// Reads resource text; each malformed line is reported in `errors`, named by
    /// `strFile`, and skipped. Of two entries with one id the first stays.
    void Parse(std::string_view text, const std::wstring& strFile,
               std::vector<CResourceError>& errors);

    const std::wstring* FindString(int nId) const;
    const CMenuResource* FindMenu(int nId) const;
    const CMenuBarRecord* FindMenuBar(int nId) const;

    std::size_t GetStringCount() const { return m_strings.size(); }
    std::size_t GetMenuCount() const { return m_menus.size(); }
    std::size_t GetMenuBarCount() const { return m_menuBars.size(); }

private:
    std::unordered_map<int, std::wstring> m_strings;
    std::map<int, CMenuResource> m_menus;
    std::map<int, CMenuBarRecord> m_menuBars;
};
