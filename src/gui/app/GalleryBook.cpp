#include "gui/app/GalleryBook.h"

#include <QPainter>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/mainwnd/DialogNames.h"
#include "gui/app/DialogPicture.h"
#include "gui/app/SkinGallery.h"

namespace sonara::gui {

namespace {

constexpr int kMargin = 16;
constexpr int kCaptionHeight = 24;
constexpr int kRowWidth = 2400;

struct Page {
    QString caption;
    QImage image;
};

struct Book {
    QImage controls;
    std::vector<Page> pages;
    std::span<const NamedDialog> left;
    std::function<void(const QImage&)> finished;
};

QImage bind(const Book& book) {
    // Rows of dialogs below the controls, each row as tall as its tallest.
    struct Placed {
        const Page* page;
        QPoint at;
    };
    std::vector<Placed> placed;
    int x = kMargin;
    int y = book.controls.height() + kMargin;
    int rowHeight = 0;
    int width = book.controls.width();
    for (const Page& page : book.pages) {
        const QSize size = page.image.isNull() ? QSize(320, 40) : page.image.size();
        if (x > kMargin && x + size.width() > kRowWidth) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        placed.push_back({&page, QPoint(x, y)});
        x += size.width() + kMargin;
        rowHeight = std::max(rowHeight, kCaptionHeight + size.height());
        width = std::max(width, x);
    }
    const int height = y + rowHeight + kMargin;
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(40, 40, 40));
    QPainter painter(&sheet);
    painter.drawImage(0, 0, book.controls);
    painter.setPen(Qt::white);
    for (const Placed& item : placed) {
        painter.drawText(QRect(item.at, QSize(kRowWidth, kCaptionHeight)),
                         Qt::AlignLeft | Qt::AlignVCenter, item.page->caption);
        const QPoint imageAt = item.at + QPoint(0, kCaptionHeight);
        if (item.page->image.isNull()) {
            painter.drawText(QRect(imageAt, QSize(320, 40)), Qt::AlignLeft | Qt::AlignTop,
                             QStringLiteral("(not opened here: the terminal says why)"));
        } else {
            painter.drawImage(imageAt, item.page->image);
        }
    }
    return sheet;
}

void nextPage(MainWindow& window, const std::shared_ptr<Book>& book) {
    if (book->left.empty()) {
        book->finished(bind(*book));
        return;
    }
    const NamedDialog dialog = book->left.front();
    book->left = book->left.subspan(1);
    renderDialogPicture(
        window, dialog,
        [&window, book, dialog](const QImage& image) {
            book->pages.push_back(
                {QString::fromUtf8(dialog.name.data(), static_cast<int>(dialog.name.size())),
                 image});
            nextPage(window, book);
        },
        false);
}

}  // namespace

void renderGalleryBook(MainWindow& window, SkinContext& context,
                       std::function<void(const QImage&)> finished) {
    auto book = std::make_shared<Book>();
    book->controls = renderSkinGallery(context);
    book->left = namedDialogs();
    book->finished = std::move(finished);
    nextPage(window, book);
}

}  // namespace sonara::gui
