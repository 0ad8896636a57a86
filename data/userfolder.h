#pragma once

#include <QString>
#include <QStringList>

// A learner's own program folder, made from an installation that nobody may write: the
// executable, pictures and pages are linked to the installation, the bank with its answer
// sheet, the workgroup file and the settings are copies of the learner's.
struct UserFolderReport {
    bool created = false;            // the copies were made now, the folder was new
    bool bankReplaced = false;       // the installation brought a new bank and it was copied
    bool lastExamKept = false;       // ...with the answer sheet of the last exam carried over
    bool lastExamDropped = false;    // ...without it, since questions of that paper are gone
    bool bankInUse = false;          // a program of this learner has the bank open: not now
    bool ownBankKept = false;        // the bank is not a copy of an installed one: left alone
    bool settingsKept = false;       // system.ini was changed by the learner: left alone
    bool brokenBankSetAside = false; // an unreadable bank was renamed and replaced

    // One line for each of the above that a learner should hear about.
    QStringList messages() const;
};

// The name of the learner's folder that holds the record of what was copied from which
// installed version.
extern const QString kCopyRecord;

// Makes `folder` (created with access for its owner only) a program folder of its own from
// `installation`, or brings an existing one up to date: links for every entry but the
// copies, links into the installation that lead nowhere any more removed; a new installed
// bank replaces the learner's copy of an older one, keeping the answer sheet when every
// question of that paper is in the new bank; an installed system.ini replaces the learner's
// only while the learner has not changed the earlier copy. Throws ExamError when the
// installation is no program folder or the folder cannot be written.
UserFolderReport prepareUserFolder(const QString &installation, const QString &folder);
