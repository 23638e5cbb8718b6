#include "picture/ui/frmExportFormat.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <typename Control> Control* named(Control* control, const char* name, const QString& accessible)
{
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(accessible);
    return control;
}

} // namespace

frmExportFormat::frmExportFormat(const PictureExport& current, QWidget* parent)
    : QDialog(parent)
    , optBmp(named(new QRadioButton(tr("&BMP: Windows bitmaps, as converted")), "optBmp", tr("BMP")))
    , optPng(named(new QRadioButton(tr("&PNG: 8-bit indexed, with the same colour indices and palette")),
                   "optPng", tr("PNG")))
    , chkTransparent(
          named(new QCheckBox(tr("&Transparent colour index:")), "chkTransparent", tr("Transparent colour")))
    , spnTransparent(named(new QSpinBox, "spnTransparent", tr("Transparent colour index")))
{
    setObjectName(QStringLiteral("frmExportFormat"));
    setWindowTitle(tr("Conversion Format"));
    auto* formats = named(new QGroupBox(tr("Write converted pictures as")), "fraFormat", tr("Format"));
    auto* choices = new QVBoxLayout(formats);
    choices->addWidget(optBmp);
    choices->addWidget(optPng);
    auto* transparent = new QHBoxLayout;
    transparent->setContentsMargins(20, 0, 0, 0); // under the PNG choice it belongs to
    transparent->addWidget(chkTransparent);
    transparent->addWidget(spnTransparent);
    transparent->addStretch();
    choices->addLayout(transparent);
    spnTransparent->setRange(0, 255);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("cmdButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(formats);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    optBmp->setChecked(current.format == PictureExport::Format::Bmp);
    optPng->setChecked(current.format == PictureExport::Format::Png);
    chkTransparent->setChecked(current.transparentIndex.has_value());
    spnTransparent->setValue(current.transparentIndex.value_or(0));
    connect(optPng, &QRadioButton::toggled, this, &frmExportFormat::enableControls);
    connect(chkTransparent, &QCheckBox::toggled, this, &frmExportFormat::enableControls);
    enableControls();
}

PictureExport frmExportFormat::chosen() const
{
    if (!optPng->isChecked())
        return {};
    return {PictureExport::Format::Png,
            chkTransparent->isChecked() ? std::optional<int>(spnTransparent->value()) : std::nullopt};
}

void frmExportFormat::enableControls()
{
    chkTransparent->setEnabled(optPng->isChecked());
    spnTransparent->setEnabled(optPng->isChecked() && chkTransparent->isChecked());
}
