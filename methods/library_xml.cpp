#include "library_xml.h"

#include <expat.h>

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "notation.h"

namespace tolvern::methods {

namespace {

// A field longer than this is no part of a real library: refused rather than held.
constexpr size_t MaxFieldBytes = 1 << 16;
constexpr size_t MaxDepth = 256;
// Expat names an element "namespace localname" with this separator.
constexpr char Separator = ' ';

enum class Node : uint8_t { Collection, MethodSet, Properties, Method, Field, Other };
enum class FieldId : uint8_t { None, Title, Name, Notation, Stage, Classification, LengthOfLead, LeadHead };

// What a methodSet's properties or a method itself says; a method's own
// values win over its set's.
struct Fields {
  std::string title, name, notation, stage, classification, lengthOfLead, leadHead;
  bool little = false, differential = false;
  // Emptied, not made anew: the strings keep their room from method to method.
  void Clear() {
    for (std::string* field : {&title, &name, &notation, &stage, &classification, &lengthOfLead, &leadHead}) field->clear();
    little = differential = false;
  }
  std::string* Of(FieldId id) {
    switch (id) {
      case FieldId::Title: return &title;
      case FieldId::Name: return &name;
      case FieldId::Notation: return &notation;
      case FieldId::Stage: return &stage;
      case FieldId::Classification: return &classification;
      case FieldId::LengthOfLead: return &lengthOfLead;
      case FieldId::LeadHead: return &leadHead;
      case FieldId::None: break;
    }
    return nullptr;
  }
};

FieldId FieldOf(std::string_view local) {
  if (local == "title") return FieldId::Title;
  if (local == "name") return FieldId::Name;
  if (local == "notation") return FieldId::Notation;
  if (local == "stage") return FieldId::Stage;
  if (local == "classification") return FieldId::Classification;
  if (local == "lengthOfLead") return FieldId::LengthOfLead;
  if (local == "leadHead") return FieldId::LeadHead;
  return FieldId::None;
}

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// A small whole number, or -1.
int NumberOf(std::string_view text) {
  text = Trimmed(text);
  if (text.empty() || text.size() > 6) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool SameRow(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (PlaceOfSymbol(a[i]) != PlaceOfSymbol(b[i]) || PlaceOfSymbol(a[i]) == 0) return false;
  return true;
}

class Reader {
 public:
  Reader(const std::string& source) : source_(source), parser_(XML_ParserCreateNS(nullptr, Separator)) {
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, &Reader::OnStart, &Reader::OnEnd);
    XML_SetCharacterDataHandler(parser_, &Reader::OnText);
    // A methods library has no use for entities; refusing their declarations
    // stops expansion bombs before Expat's own guard needs to.
    XML_SetEntityDeclHandler(parser_, &Reader::OnEntity);
  }
  ~Reader() { XML_ParserFree(parser_); }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  // Feeds bytes; false once the file is known to be bad.
  bool Feed(const char* bytes, size_t size, bool last) {
    if (!parser_) return Fail("out of memory");
    while (true) {
      const int piece = static_cast<int>(std::min<size_t>(size, 1 << 20));
      if (XML_Parse(parser_, bytes, piece, last && static_cast<size_t>(piece) == size) != XML_STATUS_OK)
        return ParseFailed();
      bytes += piece;
      size -= static_cast<size_t>(piece);
      if (size == 0) break;
    }
    if (last && !sawRoot_) return Fail("no methods library in it");
    return true;
  }

  LibraryReadResult Finish(MethodLibrary& library) {
    if (!result_.error.empty()) return std::move(result_);
    for (Method& method : methods_) {
      if (library.Add(std::move(method))) ++result_.added;
      else ++result_.duplicates;
    }
    return std::move(result_);
  }

  bool Failed() const { return !result_.error.empty(); }
  bool Fail(const std::string& why) {
    if (result_.error.empty()) result_.error = source_ + ": " + why;
    return false;
  }

 private:
  bool ParseFailed() {
    if (!result_.error.empty()) return false;  // stopped by a handler, which said why
    const XML_Error code = XML_GetErrorCode(parser_);
    return Fail("line " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ", column " +
                std::to_string(XML_GetCurrentColumnNumber(parser_) + 1) + ": " + XML_ErrorString(code));
  }
  void Stop(const std::string& why) {
    Fail(why);
    XML_StopParser(parser_, XML_FALSE);
  }

  static void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    static_cast<Reader*>(data)->Start(name, attributes);
  }
  static void OnEnd(void* data, const XML_Char*) { static_cast<Reader*>(data)->End(); }
  static void OnText(void* data, const XML_Char* text, int length) {
    static_cast<Reader*>(data)->Text(std::string_view(text, static_cast<size_t>(length)));
  }
  static void OnEntity(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
                       const XML_Char*, const XML_Char*) {
    static_cast<Reader*>(data)->Stop("line " + std::to_string(XML_GetCurrentLineNumber(static_cast<Reader*>(data)->parser_)) +
                                     ": declares an entity, which a methods library never does");
  }

  void Start(std::string_view name, const XML_Char** attributes) {
    if (stack_.size() >= MaxDepth) return Stop("elements nested too deeply");
    const size_t gap = name.find(Separator);
    const bool ours = gap != std::string_view::npos && name.substr(0, gap) == LibraryNamespace;
    const std::string_view local = gap == std::string_view::npos ? name : name.substr(gap + 1);
    if (!sawRoot_) {
      sawRoot_ = true;
      if (!ours || local != "collection") {
        const std::string space = gap == std::string_view::npos ? "no namespace" : "namespace " + std::string(name.substr(0, gap));
        return Stop("not a methods library: its root element is <" + std::string(local) + "> in " + space +
                    ", where <collection> in namespace " + std::string(LibraryNamespace) + " was expected");
      }
      stack_.push_back(Node::Collection);
      return;
    }
    const Node parent = stack_.back();
    Node node = Node::Other;
    if (ours && parent != Node::Other && parent != Node::Field) {
      if (parent == Node::Collection && local == "methodSet") {
        node = Node::MethodSet;
        set_.Clear();
      } else if (parent == Node::MethodSet && local == "properties") {
        node = Node::Properties;
      } else if (parent == Node::MethodSet && local == "method") {
        node = Node::Method;
        method_.Clear();
      } else if (parent == Node::Properties || parent == Node::Method) {
        const FieldId field = FieldOf(local);
        if (field != FieldId::None) {
          node = Node::Field;
          Fields& into = parent == Node::Method ? method_ : set_;
          target_ = into.Of(field);
          target_->clear();
          if (field == FieldId::Classification)
            for (const XML_Char** a = attributes; a[0]; a += 2) {
              const std::string_view attribute(a[0]), value(a[1]);
              if (attribute == "little") into.little = value == "true";
              if (attribute == "differential") into.differential = value == "true";
            }
        }
      }
    }
    stack_.push_back(node);
  }

  void End() {
    if (stack_.empty()) return;
    const Node node = stack_.back();
    stack_.pop_back();
    if (node == Node::Field) target_ = nullptr;
    if (node == Node::Method) TakeMethod();
  }

  void Text(std::string_view text) {
    if (!target_) return;
    if (target_->size() + text.size() > MaxFieldBytes) return Stop("an element holds over 65536 characters of text");
    target_->append(text);
  }

  void Skip(const std::string& why) {
    if (result_.skipped++ == 0) result_.firstSkipped = why;
  }

  void TakeMethod() {
    const auto pick = [](const std::string& own, const std::string& set) -> std::string_view {
      return Trimmed(own).empty() ? Trimmed(set) : Trimmed(own);
    };
    Method method;
    method.title = std::string(Trimmed(method_.title));
    const std::string_view label = method.title.empty() ? std::string_view("a method with no title") : method.title;
    const int stage = NumberOf(pick(method_.stage, set_.stage));
    if (stage < MinStage || stage > MaxStage)
      return Skip(std::string(label) + ": stage " + std::string(pick(method_.stage, set_.stage)) +
                  " (SIRIL rings " + std::to_string(MinStage) + " to " + std::to_string(MaxStage) + " bells)");
    if (method.title.empty()) return Skip(std::string(label));
    method.stage = stage;
    method.notation = std::string(Trimmed(method_.notation));
    Notation notation = FromLibraryNotation(method.notation, stage);
    if (!notation.error.empty()) return Skip(method.title + ": " + notation.error);
    method.leadLength = static_cast<int>(notation.changes.size());
    method.leadHead = RowAfter(notation.changes, stage);
    const int length = NumberOf(pick(method_.lengthOfLead, set_.lengthOfLead));
    if (length >= 0 && length != method.leadLength)
      return Skip(method.title + ": its notation rings " + std::to_string(method.leadLength) +
                  " changes a lead, not " + std::to_string(length));
    const std::string_view leadHead = Trimmed(method_.leadHead);
    if (!leadHead.empty() && !SameRow(leadHead, method.leadHead))
      return Skip(method.title + ": its notation rings the lead head " + method.leadHead + ", not " +
                  std::string(leadHead));
    const bool ownClass = !Trimmed(method_.classification).empty() || method_.little || method_.differential;
    const Fields& classFrom = ownClass ? method_ : set_;
    method.classification = std::string(Trimmed(classFrom.classification));
    if (classFrom.little) method.classification.insert(0, method.classification.empty() ? "Little" : "Little ");
    if (classFrom.differential)
      method.classification.insert(0, method.classification.empty() ? "Differential" : "Differential ");
    method.name = SirilNameOf(method.title);
    method.siril = std::move(notation.siril);
    method.source = source_;
    methods_.push_back(std::move(method));
  }

  std::string source_;
  XML_Parser parser_;
  LibraryReadResult result_;
  std::vector<Node> stack_;
  bool sawRoot_ = false;
  Fields set_, method_;
  std::string* target_ = nullptr;
  std::vector<Method> methods_;
};

}  // namespace

LibraryReadResult ReadLibraryXml(std::string_view bytes, const std::string& source, MethodLibrary& library) {
  Reader reader(source);
  reader.Feed(bytes.data(), bytes.size(), true);
  return reader.Finish(library);
}

LibraryReadResult ReadLibraryXmlFile(const std::string& path, MethodLibrary& library) {
  Reader reader(path);
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    reader.Fail("cannot read the file");
    return reader.Finish(library);
  }
  std::vector<char> buffer(1 << 16);
  while (true) {
    const size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
    if (std::ferror(file.get())) {
      reader.Fail("cannot read the file");
      break;
    }
    const bool last = got < buffer.size() && std::feof(file.get());
    // A bad file stops at its first fault: 100 MB of junk is not read through.
    if (!reader.Feed(buffer.data(), got, last) || last) break;
  }
  return reader.Finish(library);
}

}  // namespace tolvern::methods
