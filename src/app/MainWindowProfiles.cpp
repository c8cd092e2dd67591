// The main window's handlers of the output profile and the preset lists.
// Each delegates to the catalogue (profiles::) and the two panels; the
// nesting runs through the selectors' notifications: category changed ->
// fill profiles -> profile changed -> fill preset lists -> list changes.

#include <QLineEdit>

#include "app/MainWindow.h"
#include "app/OutputPanel.h"
#include "app/PresetsPanel.h"
#include "app/ProfileSelectors.h"
#include "jobs/JobTable.h"
#include "jobs/OutputNaming.h"
#include "profiles/Profiles.h"
#include "settings/OptionsDialog.h"

namespace app {

namespace {

// The output file names (sub-item 2) the jobs of the list already hold.
std::set<std::string> outputNamesOf(const jobs::JobTable& table) {
    std::set<std::string> names;
    for (int row = 0; row < table.rowCount(); ++row) names.insert(table.subItem(row, 2).toStdString());
    return names;
}

}  // namespace

void MainWindow::Button2Click() { profileSelectors_->fillProfiles(); }

void MainWindow::bsSkinOfficeComboBox2Change() { Button2Click(); }

// Its first step; writing the selected row follows with the job flow.
void MainWindow::bsSkinOfficeComboBox1Change() { Button18Click(); }

void MainWindow::Button18Click() {
    profileFields_.All_Trant_Number = profiles::profileCodeOf(profileSelectors_->chosenProfile());
    profileFields_.Video_DisableVideo = false;
    presetsPanel_->fill(profileSelectors_->rowProfileNumber());
}

void MainWindow::Button6Click() { profiles::resetFields(profileFields_); }

void MainWindow::Button5Click() {
    jobs::JobTable& table = jobTable();
    jobs::OutputNameRequest naming;
    naming.sourcePath = profileFields_.Video_AddFileName;
    naming.outputFolder = outputPanel_->folderEdit()->text().toStdString();
    naming.overwrite = optionsDialog().overwriteExisting();
    naming.namesTaken = outputNamesOf(table);

    const profiles::EncodingTexts texts =
        profiles::loadProfile(profileFields_, profileSelectors_->chosenProfile(), [&](const std::string& extension) {
            naming.extension = extension;
            return jobs::uniqueOutputPath(naming);
        });

    const int row = table.selectedRow();
    if (row < 0) return;
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        table.setSubItem(row, profiles::kFirstEncodingSubItem + i, QString::fromStdString(texts[i]));
    }
}

void MainWindow::Button13Click() { profiles::takePresetChoices(profileFields_, presetsPanel_->shownTexts()); }

}  // namespace app
