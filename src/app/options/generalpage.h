#pragma once

#include "app/options/optionpage.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace tonewright {

// The "General" page: where targets go, how they are named, what happens when one exists, how many files are
// converted at once, the mono mix and the extension filter of "Add Folder" and drag and drop.
class GeneralPage : public OptionPage {
    Q_OBJECT
public:
    GeneralPage(Settings& settings, Desktop& desktop, QWidget* parent = nullptr);
    bool LeavePage() override;

protected:
    void Apply() override;

private:
    void EnableCustomFolder(bool on);
    void Browse();
    void OpenFolder();
    void ExplainMono();

    QComboBox* outputFolder_;
    QLineEdit* customFolder_;
    QPushButton *browse_, *open_;
    QCheckBox* createDirs_;
    QLabel* createDirsExample_;
    QLineEdit* namePattern_;
    QComboBox* targetExists_;
    QSpinBox* parallelJobs_;
    QCheckBox *documentsFallback_, *browseWhenDone_, *filterOn_, *surroundDownmix_, *ditherOnReduce_;
    QButtonGroup* monoType_;
    QLineEdit* filterText_;
};

}  // namespace tonewright
