#pragma once

#include <string>

class ProjectWriter;

// A made-up project of a given size, the same for the same sizes: persons
// numbered from 1 with parents, names, events with places and participants.
struct SyntheticSizes {
    int persons = 100000;
    int names = 150000;
    int events = 300000;
    int participants = 600000;
    int parentLinks = 200000;

    // Every count in proportion to the person count of the defaults.
    static SyntheticSizes ForPersons(int persons);
    int Places() const { return persons / 10 + 1; }
    static constexpr int kTagTypes = 20;
};

void BuildSyntheticProject(ProjectWriter& writer, const SyntheticSizes& sizes);

// A full pedigree of the given depth: person n has father 2n and mother
// 2n + 1 up to the oldest generation, each with a name, a birth and a death.
// Person 1 is the youngest; 2^generations - 1 persons in all.
void BuildPedigreeProject(ProjectWriter& writer, int generations);

// Descendants of person 1 for the given generations (person 1's counted as
// 1): every descendant is married, and every couple but those of the last
// generation has the given number of children. Person 1 also has a full
// pedigree of the given ancestor generations (1: none). Each person has a
// name, a birth and a death.
struct DescendantSizes {
    int generations = 6;
    int childrenPerCouple = 4;
    int ancestorGenerations = 1;
};

void BuildDescendantProject(ProjectWriter& writer, const DescendantSizes& sizes);
