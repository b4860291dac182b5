#pragma once

// Field numbers (from 1) of the library's replies that the program reads, and the
// tag-type groups (ADMIN) it knows.

namespace PersonField {
constexpr int kCount = 1;  // of the reply to person 0
constexpr int kReference = 2;
constexpr int kSex = 3;
constexpr int kBirth = 4;
constexpr int kDeath = 5;
constexpr int kFather = 6;
constexpr int kFatherSurety = 7;
constexpr int kMother = 8;
constexpr int kMotherSurety = 9;
constexpr int kBirthOrder = 11;
}  // namespace PersonField

namespace NameField {
constexpr int kName = 1;
constexpr int kSurety = 2;
constexpr int kPrimary = 7;
}  // namespace NameField

namespace RelativeField {
constexpr int kPerson = 1;
constexpr int kPrimary = 3;
}  // namespace RelativeField

namespace WitnessField {
constexpr int kPrimary = 1;
constexpr int kEvent = 2;
}  // namespace WitnessField

namespace EventField {
constexpr int kType = 1;
constexpr int kFirstPrincipal = 2;
constexpr int kSecondPrincipal = 5;
constexpr int kDate = 8;
constexpr int kDateSurety = 9;
constexpr int kPlace = 10;
constexpr int kPlaceSurety = 11;
constexpr int kSortDate = 16;
}  // namespace EventField

namespace TagField {
constexpr int kGroup = 1;
constexpr int kAbbreviation = 3;
}  // namespace TagField

namespace ExhibitField {
constexpr int kFile = 2;  // of the primary exhibit: the file that holds it
}  // namespace ExhibitField

namespace EventGroup {
constexpr int kBirth = 4;
constexpr int kDeath = 5;
constexpr int kMarriage = 6;
}  // namespace EventGroup
