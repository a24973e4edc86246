"""A deterministic model of a Poser content library: its folders and the names of its files.

make_library.py writes the model to disk; make_index.py writes the lines a scan of it gives.
The same size and seed always give the same library: one random stream is read in a fixed
order, and nothing is taken from the order of a set.

A library is made of installed products. Each product lays folders into the library
categories, Geometries and Textures of a runtime, under its publisher's folder, with a few
subfolder chains that reach ten levels below the Poser folder. No two names in one folder are
the same when letter case is ignored, whether they name files or folders.
"""
import bisect
import itertools
import random

MAX_DEPTH = 10
FILES_PER_FOLDER = 13.3

# A library category: its folder, the extension of its items, the compressed extension, and
# how often a product installs into it.
CATEGORIES = [("Character", "cr2", "crz", 10), ("Pose", "pz2", "p2z", 26),
              ("Props", "pp2", "ppz", 16), ("Hair", "hr2", "hrz", 8), ("Face", "fc2", "fcz", 6),
              ("Hand", "hd2", "hdz", 4), ("Light", "lt2", "ltz", 5), ("Camera", "cm2", "cmz", 3),
              ("Materials", "mc6", "mcz", 20), ("Scenes", "pz3", "pzz", 3)]

WORDS = """anya bryn corra delphine edda faro galen hesper isolde jaro kalla lorne mireth
nessa orrin petra quill rhosyn sable tamsin ulla vesna wren yara zorin
casual formal party summer winter tribal cyber steam fantasy gothic retro urban desert arctic
dress skirt blouse jacket coat vest corset gown robe tunic cloak boots sandals heels gloves
belt scarf hat crown tiara mask wings tail horns armor gauntlet sword dagger staff bow shield
hair bob braid bun curls ponytail pigtails fringe mohawk dreads updo waves
chair bench table throne bed lamp candle vase crate barrel door window stair arch column
garden forest cave temple castle tavern street alley market harbor studio loft dungeon
pose walk run sit stand kneel crouch lean reach wave point dance fight rest sleep
smile frown grin pout blink wink angry happy sad shy proud
head neck chest hip thigh shin foot hand arm face eye lip brow lash nail tooth tongue
skin tan pale freckle scar tattoo makeup gloss matte bump trans specular normal disp
red blue green gold silver black white brown ivory copper ruby jade amber violet
leather silk lace velvet denim metal wood stone glass bronze marble
hi lo low high base extra deluxe basic bonus addon morph morphs shape body full
key fill rim spot area sun moon dusk dawn night fog""".split()

# Letters outside ASCII show up in a few names, mostly from European publishers.
ACCENTED = ["Café", "Señora", "Müller", "Ørsted", "Åsa", "Élan", "Façade", "Niño", "Straße",
            "Jötunn", "Cañón", "Zoë", "Göta", "Kraków"]

PUBLISHERS = ["Amberfield", "Blue Heron", "Cobalt Loom", "Dunmore", "Ember & Ash", "Fennwick",
              "Greyling", "Harrow Lane", "Inkwood", "Jessamine", "Kingfisher", "Larkspur",
              "Marrowby", "Nightjar", "Oakhollow", "Pellucid", "Quarrystone", "Rookery",
              "Saltmarsh", "Thistledown", "Umberlight", "Vantablue", "Wyvernhold", "Yarrow",
              "Zephyrine", "3D Atelier", "Pixel-Smith", "ModelMakers Inc", "Sculpt'n'Co",
              "The Render Barn"]

SET_FOLDERS = ["Hi Res", "Lo Res", "MAT Poses", "Morphs", "Bump", "Trans", "Specular",
               "Expansion", "Extras", "Bonus", "Textures 2", "Old", "Poser 4", "Poser 5",
               "Variations", "Colors", "Parts", "Props", "Presets", "INJ", "REM", "Thumbs"]

# Names that many products use, so that a look-up finds one name in many folders.
COMMON_NAMES = {
    "lib": ["Default.pz2", "Zero.pz2", "Reset.pz2", "MAT Default.pz2", "Hide All.pz2",
            "INJ Morphs.pz2", "REM Morphs.pz2", "Default.png", "Zero.png", "!Readme.txt"],
    "geom": ["figure.obj", "hair.obj", "prop.obj", "body.obj", "eyes.obj", "teeth.obj",
             "dress.obj", "base.obj", "Figure.rsr", "hair.rsr"],
    "tex": ["skin.jpg", "Skin_bump.jpg", "eyes.jpg", "EyeTrans.jpg", "lashes.jpg",
            "lashesTR.jpg", "hair.jpg", "HairTR.jpg", "teeth.jpg", "nails.jpg", "body.jpg",
            "face.jpg", "bump.jpg", "trans.jpg", "specular.jpg", "limbs.jpg", "torso.jpg",
            "mouth.jpg", "brows.jpg", "Thumbs.db", "tex.tif", "bump.bmp", "transmap.gif"],
    "other": ["ReadMe.txt", "readme.pdf", "License.txt", "Readme.htm", "install.txt",
              "history.txt", "Manual.pdf", "__init__.py", "ReadMe"],
}

# The files that lie in the Poser folder itself; the scan leaves them out.
ROOT_NAMES = ["Poser.exe", "Poser.ini", "Poser.cfg", "ReadMe.txt", "License.rtf",
              "unins000.dat", "unins000.exe", "Python22.dll", "PoserPython.dll",
              "Release Notes.pdf", "Tutorial", "WebLinks.htm"]

# Extensions by folder kind, with their shares. None is a name without a dot.
EXTENSIONS = {
    "geom": [("obj", 68), ("obz", 9), ("rsr", 12), ("mtl", 6), ("dxf", 2), ("3ds", 2),
             (None, 1)],
    "tex": [("jpg", 47), ("png", 14), ("bmp", 10), ("tif", 12), ("tga", 6), ("gif", 4),
            ("jpeg", 3), ("psd", 2), (None, 1)],
    "other": [("txt", 28), ("pdf", 12), ("htm", 8), ("html", 4), ("pz3", 8), ("bvh", 8),
              ("dxf", 3), ("doc", 5), ("rtf", 4), ("py", 8), ("pyc", 4), ("ini", 2),
              ("zip", 2), (None, 4)],
}
# The picture that sits beside a library item: Poser's thumbnail, the old kind, or none.
THUMBNAILS = [("png", 72), ("rsr", 13), ("jpg", 5), (None, 10)]
SEPARATORS = [(" ", 40), ("_", 25), ("", 20), ("-", 12), (".", 3)]
SUBFOLDER_CHAINS = [(0, 35), (1, 33), (2, 17), (3, 10), (4, 5)]
CHAIN_LENGTHS = [(1, 45), (2, 25), (3, 14), (4, 8), (5, 5), (6, 3)]
# How many files a folder of each kind gets, before each folder's own spread; the folders
# that every library has and the publishers' folders hold few.
FILE_SHARE = {"lib": 1.0, "geom": 0.7, "tex": 1.4, "other": 0.6}
SKELETON_SHARE = 0.1
READMES_SHARE = 30.0


class Table:
    """Weighted choices read from the one random stream."""

    def __init__(self, rows):
        self.values = [value for value, _ in rows]
        self.bounds = list(itertools.accumulate(weight for _, weight in rows))

    def pick(self, rng):
        return self.values[bisect.bisect(self.bounds, rng.random() * self.bounds[-1])]


class Folder:
    __slots__ = ("name", "parent", "depth", "kind", "category", "share", "children", "names",
                 "file_count")

    def __init__(self, name, parent, kind, category, share):
        self.name = name
        self.parent = parent
        self.depth = parent.depth + 1 if parent else 0
        self.kind = kind  # "lib", "geom", "tex" or "other": what its files are
        self.category = category  # a row of CATEGORIES, for library folders
        self.share = share  # of the files, before the folder's own spread
        self.children = []
        self.names = {}  # the casefolded name of every folder and file in it
        self.file_count = 0

    def path(self, separator="/"):
        parts = []
        folder = self
        while folder.parent:
            parts.append(folder.name)
            folder = folder.parent
        return separator.join(reversed(parts))


class Library:
    """The folders of a library of `files` files, each with its count of files. `walk()`
    then gives every folder with its file names, parents before children."""

    def __init__(self, files, seed=1):
        self.rng = random.Random(seed)
        self.files = files
        self.tables = {kind: Table(rows) for kind, rows in EXTENSIONS.items()}
        self.thumbnails = Table(THUMBNAILS)
        self.separators = Table(SEPARATORS)
        self.categories = Table([(row, row[3]) for row in CATEGORIES])
        self.chains = Table(SUBFOLDER_CHAINS)
        self.chain_lengths = Table(CHAIN_LENGTHS)
        self.root = Folder("", None, "other", None, 0.0)
        self.folders = [self.root]
        self.runtimes = []
        self._lay_skeleton()
        self._install_products(round(files / FILES_PER_FOLDER))
        self._share_files()

    # Folders.
    def _child(self, parent, name, kind, category=None, share=None):
        """The subfolder of that name, made when missing; None below the deepest level."""
        key = name.casefold()
        existing = parent.names.get(key)
        if existing is not None or parent.depth >= MAX_DEPTH:
            return existing
        folder = Folder(name, parent, kind, category, FILE_SHARE[kind] if share is None
                        else share)
        parent.names[key] = folder
        parent.children.append(folder)
        self.folders.append(folder)
        return folder

    def _skeleton(self, parent, name, kind="other", category=None):
        return self._child(parent, name, kind, category, SKELETON_SHARE)

    def _runtime(self, parent, name):
        runtime = self._skeleton(parent, name)
        libraries = self._skeleton(runtime, "Libraries")
        self.runtimes.append({
            "categories": [self._skeleton(libraries, row[0], "lib", row) for row in CATEGORIES],
            "Geometries": self._skeleton(runtime, "Geometries", "geom"),
            "Textures": self._skeleton(runtime, "Textures", "tex")})
        return runtime

    def _lay_skeleton(self):
        main = self._runtime(self.root, "Runtime")
        self.python = self._child(self._skeleton(main, "Python"), "poserScripts", "other")
        # Most products leave their read-me here.
        self._child(self.root, "Readme's", "other", None, READMES_SHARE)
        self._child(self.root, "Tutorials", "other")
        runtimes = self._skeleton(self.root, "Runtimes")
        for publisher in ("Harrow Lane", "Yarrow", "Inkwood"):
            self._runtime(runtimes, publisher + " Runtime")

    def _install_products(self, folder_target):
        self._install_product(deepest=True)
        while len(self.folders) < folder_target:
            self._install_product(deepest=False)

    def _install_product(self, deepest):
        rng = self.rng
        runtime = self.runtimes[0] if rng.random() < 0.8 else rng.choice(self.runtimes[1:])
        publisher = rng.choice(PUBLISHERS)
        product = self.phrase(1, 3)
        places = []
        for _ in range(1 + int(rng.random() < 0.4) + int(rng.random() < 0.15)):
            category = self.categories.pick(rng)
            folder = runtime["categories"][CATEGORIES.index(category)]
            if rng.random() < 0.5:
                folder = self._child(folder, publisher, "lib", category, SKELETON_SHARE)
            places.append(self._child(folder, product, "lib", category))
        for part, kind, share in (("Geometries", "geom", 0.6), ("Textures", "tex", 0.8)):
            if deepest or rng.random() < share:
                publisher_folder = self._child(runtime[part], publisher, kind, None,
                                               SKELETON_SHARE)
                places.append(self._child(publisher_folder, product, kind))
        if rng.random() < 0.04:
            places.append(self._child(self.python, product, "other"))
        for place in places:
            self._grow(place, deepest)

    def _grow(self, product_folder, deepest):
        """Subfolder chains below a product's folder. The first product reaches the deepest
        level, so that every library has folders that the scan must not enter."""
        rng = self.rng
        chains = 1 if deepest else self.chains.pick(rng)
        for _ in range(chains):
            length = MAX_DEPTH if deepest else self.chain_lengths.pick(rng)
            folder = product_folder
            for _ in range(length):
                name = rng.choice(SET_FOLDERS) if rng.random() < 0.5 else self.phrase(1, 2)
                below = self._child(folder, name, folder.kind, folder.category)
                if below is None:
                    break
                folder = below

    # Files.
    def _share_files(self):
        """Gives each folder its count: shares spread like a real library's, some folders
        holding hundreds of files, the counts adding up to `files` exactly."""
        rng = self.rng
        in_root = min(self.files, len(ROOT_NAMES) - 2 + self.files // 50_000)
        weights = [folder.share * rng.lognormvariate(0.0, 1.0) for folder in self.folders]
        total_weight = sum(weights)
        spread = self.files - in_root
        shares = [spread * weight / total_weight for weight in weights]
        for folder, share in zip(self.folders, shares):
            folder.file_count = int(share)
        left = spread - sum(folder.file_count for folder in self.folders)
        by_remainder = sorted(range(len(shares)), key=lambda i: (int(shares[i]) - shares[i], i))
        for i in by_remainder[:left]:
            self.folders[i].file_count += 1
        self.root.file_count += in_root

    def walk(self):
        """Yields (folder, its file names) for every folder, parents before children."""
        stack = [self.root]
        while stack:
            folder = stack.pop()
            yield folder, self._file_names(folder)
            stack.extend(reversed(folder.children))

    def _file_names(self, folder):
        names = []
        take = self._taker(folder, names)
        if folder is self.root:
            for name in ROOT_NAMES[:folder.file_count]:
                take(name)
        while len(names) < folder.file_count:
            for name in self._item(folder):
                if len(names) < folder.file_count:
                    take(name)
        folder.names = None  # the names are written; the walk needs them no more
        return names

    def _taker(self, folder, names):
        """Adds a name to the folder, numbered when it is taken already in any letter case."""

        def take(name):
            stem, dot, extension = name.rpartition(".")
            if not dot:
                stem, extension = name, ""
            candidate, number = name, 1
            while candidate.casefold() in folder.names:
                number += 1
                candidate = "%s %d%s%s" % (stem, number, dot, extension)
            folder.names[candidate.casefold()] = None
            names.append(candidate)

        return take

    def _item(self, folder):
        """The names of one item: a library file with its thumbnail, a geometry, a picture
        or a document."""
        rng = self.rng
        kind = folder.kind
        roll = rng.random()
        if roll < 0.08:
            return [self._cased_name(rng.choice(COMMON_NAMES[kind]))]
        if roll < 0.11:
            kind = "other"  # a product's documents and scripts beside its content
        stem = self.phrase(1, 4)
        if rng.random() < 0.02:
            stem += "." + self.word()  # several dots in one name
        if kind != "lib":
            return [self._with_extension(stem, self.tables[kind].pick(rng))]
        _, plain, compressed, _ = folder.category
        item = compressed if rng.random() < 0.08 else plain
        if rng.random() < 0.015:
            item = None
        names = [self._with_extension(stem, item)]
        thumbnail = self.thumbnails.pick(rng)
        if thumbnail:
            names.append(self._with_extension(stem, thumbnail))
        return names

    def _with_extension(self, stem, extension):
        if extension is None:
            return stem
        return stem + "." + (extension.upper() if self.rng.random() < 0.08 else extension)

    def _cased_name(self, name):
        roll = self.rng.random()
        if roll < 0.1:
            return name.upper()
        if roll < 0.2:
            return name.lower()
        return name

    # Names.
    def word(self):
        rng = self.rng
        if rng.random() < 0.001:
            return rng.choice(ACCENTED)
        word = rng.choice(WORDS)
        roll = rng.random()
        if roll < 0.55:
            return word.capitalize()
        if roll < 0.9:
            return word
        return word.upper()

    def phrase(self, fewest, most):
        rng = self.rng
        words = [self.word() for _ in range(rng.randint(fewest, most))]
        text = self.separators.pick(rng).join(words)
        roll = rng.random()
        if roll < 0.2:
            text += rng.choice([" ", "_", ""]) + "%02d" % rng.randint(1, 40)
        elif roll < 0.23:
            text += " v%d.%d" % (rng.randint(1, 5), rng.randint(0, 9))
        elif roll < 0.26:
            text += rng.choice([" (Hi)", " (Lo)", " (P4)", " (P5)", " !", " +"])
        return text


# The scan's selection: files one to eight levels below the Poser folder whose extension is
# none of these; a png only when no library file of its base name lies beside it (it is then
# that file's thumbnail).
INDEXED_LEVELS = range(1, 9)
LEFT_OUT = ("rsr", "pz3", "gif", "txt", "bvh", "dxf")
LIBRARY = ("cr2", "crz", "pz2", "p2z", "pp2", "ppz", "hr2", "hrz", "fc2", "fcz", "hd2", "hdz",
           "lt2", "ltz", "cm2", "cmz", "mc6", "mcz", "mt5", "mz5", "pz3", "pzz")


def library_bases(names):
    """The base names, letter case ignored, of the library files among a folder's names."""
    parts = (name.rpartition(".") for name in names)
    return {stem.lower() for stem, dot, extension in parts if dot and extension.lower() in LIBRARY}


def indexed(name, bases):
    """Whether the scan writes a line for a file of this name, in a folder it enters whose
    library files have these base names."""
    stem, dot, extension = name.rpartition(".")
    extension = extension.lower()
    if extension == "png":
        return bool(dot) and stem.lower() not in bases
    return bool(dot) and extension not in LEFT_OUT
