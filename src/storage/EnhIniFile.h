#pragma once
// The INI engine of documents and settings. The file is read once when the
// engine is created and held in memory; writes change the memory and reach
// the disk with UpdateFile (or, at the latest, when the engine is freed), by
// an atomic replacement that leaves the old file intact when it fails.
// All texts passed in and out are UTF-8; the file is Windows-1252.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "storage/DateiErsetzen.h"
#include "storage/IniInhalt.h"

namespace kalvorin {

// "nach <file> kann nicht geschrieben werden"
class EIniSchreibfehler : public std::runtime_error {
public:
    explicit EIniSchreibfehler(const std::string& datei,
                               TSchreibfehler ursache = TSchreibfehler::Sonstiges);
    // Why, for the user's message (SchreibfehlerText).
    TSchreibfehler Ursache;
};

// The file exists but cannot be read (ReadSectionNames only; the other reads
// give their defaults).
class EIniLesefehler : public std::runtime_error {
public:
    explicit EIniLesefehler(const std::string& datei);
};

class TEnhIniFile {
public:
    // The file need not exist. A relative name is taken from the current folder.
    explicit TEnhIniFile(std::string dateiname);
    // The bytes of a file held in memory, read as the file would be; such
    // an engine never writes a file (Text gives what it holds).
    struct TImSpeicher {
        std::string_view Bytes;
    };
    explicit TEnhIniFile(TImSpeicher inhalt);
    // Writes what is still pending; a failure here cannot be reported, so
    // writers that must know call UpdateFile first.
    ~TEnhIniFile();
    TEnhIniFile(const TEnhIniFile&) = delete;
    TEnhIniFile& operator=(const TEnhIniFile&) = delete;

    const std::string& FileName() const { return dateiname_; }
    // The content as UpdateFile writes it.
    std::string Text() const { return inhalt_.Text(); }

    std::string ReadString(const std::string& sektion, const std::string& schluessel,
                           const std::string& vorgabe) const;
    void WriteString(const std::string& sektion, const std::string& schluessel,
                     const std::string& wert);
    // Decimal, "0x"/"0X" or "$" hexadecimal; anything else gives the default.
    int ReadInteger(const std::string& sektion, const std::string& schluessel, int vorgabe) const;
    void WriteInteger(const std::string& sektion, const std::string& schluessel, int wert);
    // Any non-zero integer is true.
    bool ReadBool(const std::string& sektion, const std::string& schluessel, bool vorgabe) const;
    void WriteBool(const std::string& sektion, const std::string& schluessel, bool wert);
    // Writes "1" for true and leaves the file alone for false.
    void WriteBoolIfTrue(const std::string& sektion, const std::string& schluessel, bool wert);
    bool ValueExists(const std::string& sektion, const std::string& schluessel) const;

    // Clears liste and fills it with every section name in file order, blanks
    // removed. Throws EIniLesefehler when the file could not be read (or does
    // not exist) and nothing has been written to the engine since.
    void ReadSectionNames(std::vector<std::string>& liste) const;

    // Forgets the content, so that UpdateFile replaces the file with only what
    // is written from now on (saving a document over an older one).
    void Clear();
    // Writes pending changes; throws EIniSchreibfehler and leaves the old file
    // as it was when that fails. Nothing pending: nothing is written.
    void UpdateFile();

    // The permissions a file that does not exist yet is created with
    // (-1: what the umask allows). Existing files keep theirs.
    void SetzeNeuModus(int modus) { neuModus_ = modus; }

private:
    std::string dateiname_;
    TIniInhalt inhalt_;
    bool geaendert_ = false;
    // The file exists but could not be read; writing it would lose its content.
    bool unlesbar_ = false;
    // The file was read, or content was written since: there is something to scan.
    bool hatInhalt_ = false;
    int neuModus_ = -1;
    bool imSpeicher_ = false;

    void BytesLaden(std::string bytes);
};

} // namespace kalvorin
