#pragma once

#include "bank.h"

#include <QStringList>

// The figures that tell whether a bank teaches the rules or rewards test-taking tricks, and
// the gates the shipped bank must pass. Shares are fractions from 0 to 1.
struct QualityGates {
    double maxKeyStrictlyLongest = 0.30; // multiple-choice keys longer than every distractor
    double maxKeyLongestOrTied = 0.45;
    double minKeyLetterShare = 0.15; // each of A to D as the key
    double maxKeyLetterShare = 0.35;
    double minTrueShare = 0.40; // true/false questions keyed 正确
    double maxTrueShare = 0.60;
    int maxWithoutExplanation = 0;
    int maxRepeatingExplanations = 0;
    int maxUncitedExplanations = 0;
    int maxNearDuplicates = 0;
    double maxPaperOverlap = 8.0; // questions two successive papers share, on average
    double repeatShare = 0.8;     // explanation bigrams found in the question and its key
    double similarity = 0.65;     // rare-bigram similarity of two questions' texts and keys
};

struct QualityFigures {
    int choice = 0; // multiple-choice questions
    int keyStrictlyLongest = 0;
    int keyLongestOrTied = 0;
    int keyLetter[4] = {0, 0, 0, 0};
    int trueFalse = 0;
    int keyedTrue = 0;
};

struct QualityReport {
    QString text;         // the whole report, in Chinese
    QStringList failures; // one line for each gate the bank misses
    QualityFigures whole;
    QStringList withoutExplanation, repeatingExplanation, uncitedExplanation;
    QStringList nearDuplicates; // "a/b" id pairs
    double paperOverlap[3] = {0, 0, 0};
};

QualityReport assessBankQuality(const Bank &bank, const QualityGates &gates = {});

// Expected number of questions that two papers of the group, drawn one after the other,
// have in common.
double expectedPaperOverlap(const Bank &bank, int group);

// Whether an explanation says where its rule stands (a law, regulation, order or standard).
bool namesItsSource(const QString &explanation);
