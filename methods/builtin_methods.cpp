#include "builtin_methods.h"

#include <iterator>
#include <string>

#include "notation.h"

namespace tolvern::methods {

namespace {

// Only notation known for certain is entered here: a wrong notation under a
// right name is worse than none. Each plain course is proved by a test.
constexpr BuiltinMethod Builtin[] = {
    {"Plain Bob Doubles", "Bob", 5, "5.1.5.1.5,125"},
    {"Plain Bob Minor", "Bob", 6, "x16x16x16,12"},
    {"Plain Bob Triples", "Bob", 7, "7.1.7.1.7.1.7,127"},
    {"Plain Bob Major", "Bob", 8, "x18x18x18x18,12"},
    {"Plain Bob Caters", "Bob", 9, "9.1.9.1.9.1.9.1.9,129"},
    {"Plain Bob Royal", "Bob", 10, "x10x10x10x10x10,12"},
    {"Plain Bob Cinques", "Bob", 11, "E.1.E.1.E.1.E.1.E.1.E,12E"},
    {"Plain Bob Maximus", "Bob", 12, "x1Tx1Tx1Tx1Tx1Tx1T,12"},
    {"Little Bob Minor", "Little Bob", 6, "x16x14,12"},
    {"Little Bob Major", "Little Bob", 8, "x18x14,12"},
    {"Little Bob Royal", "Little Bob", 10, "x10x14,12"},
    {"Little Bob Maximus", "Little Bob", 12, "x1Tx14,12"},
    {"Grandsire Doubles", "Bob", 5, "3,1.5.1.5.1"},
    {"Grandsire Triples", "Bob", 7, "3,1.7.1.7.1.7.1"},
    {"Grandsire Caters", "Bob", 9, "3,1.9.1.9.1.9.1.9.1"},
    {"Grandsire Cinques", "Bob", 11, "3,1.E.1.E.1.E.1.E.1.E.1"},
    {"Stedman Doubles", "Principle", 5, "3.1.5.3.1.3,1"},
    {"Stedman Triples", "Principle", 7, "3.1.7.3.1.3,1"},
    {"Stedman Caters", "Principle", 9, "3.1.9.3.1.3,1"},
    {"Stedman Cinques", "Principle", 11, "3.1.E.3.1.3,1"},
    {"Kent Treble Bob Minor", "Treble Bob", 6, "34x34.16x12x16x12x16,16"},
    {"Kent Treble Bob Major", "Treble Bob", 8, "34x34.18x12x18x12x18x12x18,18"},
    {"Oxford Treble Bob Minor", "Treble Bob", 6, "x34x16x12x16x12x16,16"},
    {"Oxford Treble Bob Major", "Treble Bob", 8, "x34x18x12x18x12x18x12x18,18"},
    {"Double Norwich Court Bob Major", "Bob", 8, "x14x36x58x18,18"},
    {"Cambridge Surprise Minor", "Surprise", 6, "x36x14x12x36x14x56,12"},
    {"Cambridge Surprise Major", "Surprise", 8, "x38x14x1258x36x14x58x16x78,12"},
    {"Cambridge Surprise Royal", "Surprise", 10, "x30x14x1250x36x1470x58x16x70x18x90,12"},
    {"Cambridge Surprise Maximus", "Surprise", 12, "x3Tx14x125Tx36x147Tx58x169Tx70x18x9Tx10xET,12"},
    {"Yorkshire Surprise Major", "Surprise", 8, "x38x14x58x16x12x38x14x78,12"},
    {"Yorkshire Surprise Royal", "Surprise", 10, "x30x14x50x16x1270x38x14x50x16x90,12"},
    {"Lincolnshire Surprise Major", "Surprise", 8, "x38x14x58x16x14x58x36x78,12"},
    {"Superlative Surprise Major", "Surprise", 8, "x36x14x58x36x14x58x36x78,12"},
    {"Rutland Surprise Major", "Surprise", 8, "x38x14x58x16x14x38x34x18,12"},
    {"London Surprise Major", "Surprise", 8, "38x38.14x12x38.14x14.58.16x16.58,12"},
    {"Pudsey Surprise Major", "Surprise", 8, "x58x16x12x38x14x58x16x78,12"},
    {"Bristol Surprise Major", "Surprise", 8, "x58x14.58x58.36.14x14.58x14x18,18"},
    {"Bristol Surprise Royal", "Surprise", 10, "x50x14.50x50.36.14x70.58.16x16.70x16x10,10"},
    {"Bristol Surprise Maximus", "Surprise", 12, "x5Tx14.5Tx5T.36.14x7T.58.16x9T.70.18x18.9Tx18x1T,1T"},
};

}  // namespace

std::span<const BuiltinMethod> BuiltinMethods() { return Builtin; }

void AddBuiltinMethods(MethodLibrary& library) {
  for (const BuiltinMethod& entry : Builtin) {
    Notation notation = FromLibraryNotation(entry.notation, entry.stage);
    Method method;
    method.title = entry.title;
    method.name = SirilNameOf(entry.title);
    method.stage = entry.stage;
    method.classification = entry.classification;
    method.leadLength = static_cast<int>(notation.changes.size());
    method.leadHead = RowAfter(notation.changes, entry.stage);
    method.notation = entry.notation;
    method.siril = std::move(notation.siril);
    method.source = "built-in";
    library.Add(std::move(method));
  }
}

}  // namespace tolvern::methods
