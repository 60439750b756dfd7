#!/usr/bin/python3
"""Times the page taking 32 photos of 12 megapixels into an own deck, through its real form in headless Chromium,
against the floor: the same browser decoding the same files with createImageBitmap at the size that covers the
240-pixel square (320 x 240), one after another, and nothing else.

The photos (4000 x 3000, JPEG quality 90, shapes over a gradient with a sensor's grain; every fourth stored on its
side with EXIF orientation 6) are made once into a temporary folder. Each run hands all 32 to the page's file
chooser and counts from its change event until the form has read the last one; the floor's runs hand them to a
file input of their own. The two alternate, after one of each to warm the files and the decoders.

Usage: /usr/bin/python3 bench/web_import.py [PAGE_FOLDER] [--runs N]   (PAGE_FOLDER defaults to build-web; 5 runs)
"""
import argparse, pathlib, shutil, statistics, sys, tempfile, time

from PIL import Image, ImageDraw, ImageFilter

CHROMIUM, CHROMEDRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--no-first-run", "--window-size=1280,900"]
PHOTOS = 32
# When the page's form was handed the files, and when it had read them all.
WATCH = """
document.addEventListener('change', (event) => {
  if (event.target.id === 'DeckFiles') window.importStarted = performance.now();
}, true);
"""
WAIT_FORM = """
const done = arguments[arguments.length - 1];
(function poll() {
  const progress = document.getElementById('ComposerProgress');
  if (window.importStarted && progress.hidden && document.getElementById('Composer').open)
    done([performance.now() - window.importStarted, document.querySelectorAll('#ComposerPictures li').length]);
  else setTimeout(poll, 2);
})();
"""
FLOOR = """
const done = arguments[arguments.length - 1];
const input = document.getElementById('FloorFiles');
const started = performance.now();
(async () => {
  for (const file of input.files) (await createImageBitmap(file, {resizeWidth: 320, resizeHeight: 240,
                                                                  resizeQuality: 'high'})).close();
  done(performance.now() - started);
})();
"""


def make_photos(folder):
    grain = Image.effect_noise((4000, 3000), 24)
    for k in range(PHOTOS):
        base = Image.linear_gradient("L").resize((4000, 3000))
        picture = Image.merge("RGB", (base, base.rotate(90 * (k % 4)).resize((4000, 3000)), grain))
        draw = ImageDraw.Draw(picture)
        for s in range(6):
            x, y = (k * 397 + s * 611) % 3400, (k * 211 + s * 457) % 2400
            draw.ellipse((x, y, x + 600, y + 600), fill=((k * 50 + s * 30) % 256, (s * 90) % 256, (k * 7) % 256))
        picture = Image.blend(picture, Image.merge("RGB", (grain, grain, grain)), 0.15)
        exif = Image.Exif()
        if k % 4 == 3:
            exif[0x0112] = 6
        picture.save(folder / f"Foto {k + 1:02}.jpg", quality=90, exif=exif)
    return sorted(folder.glob("*.jpg"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("page", nargs="?", default="build-web")
    parser.add_argument("--runs", type=int, default=5)
    arguments = parser.parse_args()
    page = pathlib.Path(arguments.page).resolve()
    if not (page / "index.html").is_file():
        sys.exit(f"web_import: no page in {page}")
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.remote.file_detector import UselessFileDetector

    work = pathlib.Path(tempfile.mkdtemp(prefix="pairfinder-import-"))
    driver = None
    try:
        made = time.monotonic()
        photos = make_photos(work)
        print(f"{len(photos)} photos of 12 megapixels made in {time.monotonic() - made:.0f} s, "
              f"{sum(p.stat().st_size for p in photos) / len(photos) / 1e6:.1f} MB each")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in FLAGS + [f"--user-data-dir={work / 'profile'}"]:
            options.add_argument(flag)
        driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        driver.file_detector = UselessFileDetector()
        driver.set_script_timeout(300)
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
        driver.get((page / "index.html").as_uri())
        while not driver.execute_script("return document.body.classList.contains('ready')"):
            time.sleep(0.05)
        driver.execute_script("const i = document.createElement('input'); i.type = 'file'; i.multiple = true;"
                              "i.id = 'FloorFiles'; i.hidden = true; document.body.appendChild(i);")
        paths = "\n".join(str(p) for p in photos)
        driver.find_element(By.ID, "FloorFiles").send_keys(paths)
        form, floor = [], []
        for run in range(arguments.runs + 1):
            driver.execute_script("window.importStarted = 0; document.getElementById('DeckFiles').value = '';")
            driver.find_element(By.ID, "DeckFiles").send_keys(paths)
            took, read = driver.execute_async_script(WAIT_FORM)
            if read != PHOTOS:
                sys.exit(f"web_import: the form read {read} of {PHOTOS} photos")
            driver.execute_script("document.getElementById('ComposerCancel').click()")
            floor_took = driver.execute_async_script(FLOOR)
            if run:
                form.append(took)
                floor.append(floor_took)
        f, b = statistics.median(form), statistics.median(floor)
        print(f"| measure (median of {arguments.runs}) | value |\n|---|---|")
        print(f"| 32 photos through the page's form | {f:.0f} ms |")
        print(f"| 32 photos, createImageBitmap at 320 x 240 alone | {b:.0f} ms |")
        print(f"| ratio form / floor (runs {min(a / c for a, c in zip(form, floor)):.2f} to "
              f"{max(a / c for a, c in zip(form, floor)):.2f}) | {f / b:.2f} |")
    finally:
        if driver:
            driver.quit()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
