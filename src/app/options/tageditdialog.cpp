#include "app/options/tageditdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/options/optionpage.h"
#include "app/options/optionrules.h"
#include "metadata/genres.h"

namespace tonewright {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TagEditDialog::TagEditDialog(const TagTemplate& tag, bool withCopyright, QWidget* parent)
    : QDialog(parent), tag_(tag) {
    setWindowTitle(tr("Edit ID3 Tag"));

    auto* track = new QGroupBox(tr("Track number"), this);
    auto* trackRow = new QHBoxLayout(track);
    const int choice = tag.TrackNumType == 1 || tag.TrackNumType == 2 ? tag.TrackNumType : 0;
    trackChoice_ = AddRadios(this, trackRow,
                             {tr("&None"), tr("&Sequence number in list"), tr("C&ustom")},
                             choice);
    customTrack_ = new QSpinBox(track);
    customTrack_->setObjectName(QStringLiteral("customTrack"));
    customTrack_->setRange(0, kMaxCustomTrackNumber);
    customTrack_->setValue(tag.CustomTrackNum);
    customTrack_->setEnabled(choice == 2);
    trackRow->addWidget(customTrack_);
    trackRow->addStretch();

    auto* form = new QFormLayout;
    titleAsFileName_ = new QCheckBox(tr("Nam&e as file name (not include extension)"), this);
    titleAsFileName_->setObjectName(QStringLiteral("titleAsFileName"));
    titleAsFileName_->setChecked(tag.TitleAsFileName != 0);
    form->addRow(QString(), titleAsFileName_);
    title_ = AddField(form, tr("T&itle:"), tag.Title, "title");
    title_->setEnabled(tag.TitleAsFileName == 0);
    artist_ = AddField(form, tr("&Artist:"), tag.Artist, "artist");
    album_ = AddField(form, tr("Albu&m:"), tag.Album, "album");
    year_ = AddField(form, tr("&Year:"), tag.Year, "year");
    genre_ = new QComboBox(this);
    genre_->setObjectName(QStringLiteral("genre"));
    genre_->setEditable(true);
    genre_->setInsertPolicy(QComboBox::InsertAlphabetically);
    QStringList genres;
    for (int i = 0; i < kId3v1GenreCount; ++i) genres << QString::fromUtf8(Id3v1GenreNames[i]);
    genres.sort(Qt::CaseInsensitive);
    genre_->addItems(genres);
    genre_->setCurrentText(Text(tag.Genre));
    form->addRow(tr("&Genre:"), genre_);
    comment_ = AddField(form, tr("&Comment:"), tag.Comment, "comment");
    composer_ = AddField(form, tr("C&omposer:"), tag.Composer, "composer");
    copyright_ = AddField(form, tr("Co&pyright:"), tag.Copyright, "copyright");
    if (!withCopyright) form->setRowVisible(copyright_, false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TagEditDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TagEditDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(track);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(trackChoice_, &QButtonGroup::idClicked, this, [this](int id) {
        customTrack_->setEnabled(id == 2);
        if (id == 2) customTrack_->setFocus();
    });
    connect(titleAsFileName_, &QCheckBox::toggled, this, [this](bool fromFileName) {
        title_->setEnabled(!fromFileName);
        if (!fromFileName) title_->setFocus();
    });
}

QLineEdit* TagEditDialog::AddField(QFormLayout* form, const QString& label, const std::string& text, const char* name) {
    auto* edit = new QLineEdit(Text(text), this);
    edit->setObjectName(QLatin1String(name));
    form->addRow(label, edit);
    return edit;
}

void TagEditDialog::accept() {
    tag_.TrackNumType = trackChoice_->checkedId();
    tag_.CustomTrackNum = customTrack_->value();
    tag_.TitleAsFileName = titleAsFileName_->isChecked() ? 1 : 0;
    tag_.Title = title_->text().toStdString();
    tag_.Artist = artist_->text().toStdString();
    tag_.Album = album_->text().toStdString();
    tag_.Year = year_->text().toStdString();
    tag_.Genre = genre_->currentText().toStdString();
    tag_.Comment = comment_->text().toStdString();
    tag_.Composer = composer_->text().toStdString();
    tag_.Copyright = copyright_->text().toStdString();
    QDialog::accept();
}

}  // namespace tonewright
