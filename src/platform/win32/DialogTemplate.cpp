#include "platform/win32/DialogTemplate.h"

#include <cctype>
#include <cstdlib>

#include "platform/win32/Utf.h"

namespace win32 {

namespace {

class Writer {
  public:
    void Word(WORD w) { m_words.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void String(const std::string& s) {
        for (wchar_t c : Widen(s)) Word(static_cast<WORD>(c));
        Word(0);
    }
    void AlignDword() {
        if (m_words.size() % 2 != 0) Word(0);
    }
    std::vector<WORD> Take() { return std::move(m_words); }

  private:
    std::vector<WORD> m_words;
};

// The predefined classes go in as atoms; anything else (common controls) by name.
void WriteClass(Writer& w, const std::string& name) {
    static const struct {
        const char* name;
        WORD atom;
    } kAtoms[] = {{"BUTTON", 0x80},  {"EDIT", 0x81},      {"STATIC", 0x82},
                  {"LISTBOX", 0x83}, {"SCROLLBAR", 0x84}, {"COMBOBOX", 0x85}};
    for (const auto& a : kAtoms) {
        if (name == a.name) {
            w.Word(0xFFFF);
            w.Word(a.atom);
            return;
        }
    }
    w.String(name);
}

// "#128" names a resource by number, as an icon static's text does.
void WriteTitle(Writer& w, const std::string& text) {
    if (text.size() > 1 && text[0] == '#' && std::isdigit(static_cast<unsigned char>(text[1]))) {
        w.Word(0xFFFF);
        w.Word(static_cast<WORD>(std::atoi(text.c_str() + 1)));
        return;
    }
    w.String(text);
}

}  // namespace

std::vector<WORD> BuildDialogTemplate(const plat::DialogTemplate& t) {
    Writer w;
    w.Dword(t.style | DS_SETFONT);
    w.Dword(t.exStyle);
    w.Word(static_cast<WORD>(t.controls.size()));
    w.Word(0);
    w.Word(0);
    w.Word(static_cast<WORD>(t.cx));
    w.Word(static_cast<WORD>(t.cy));
    w.Word(0);  // no menu
    w.Word(0);  // the dialog class
    w.String(t.caption);
    w.Word(static_cast<WORD>(t.pointSize));
    w.String(t.font);
    for (const plat::DialogControl& c : t.controls) {
        w.AlignDword();
        w.Dword(WS_CHILD | (c.hidden ? 0 : WS_VISIBLE) | c.style);
        w.Dword(0);
        w.Word(static_cast<WORD>(c.x));
        w.Word(static_cast<WORD>(c.y));
        w.Word(static_cast<WORD>(c.cx));
        w.Word(static_cast<WORD>(c.cy));
        w.Word(static_cast<WORD>(c.id));
        WriteClass(w, c.className);
        WriteTitle(w, c.text);
        w.Word(0);  // no creation data
    }
    return w.Take();
}

}  // namespace win32
