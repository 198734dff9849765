// Stacks the layers of the sketch exported last into one Photoshop document: the folder is
// the first line of ~/temppics.adob; it holds background.png (white), 0.png, 1.png, ... (one
// layer each, on transparency) and layers.txt (the layers' names, one a line).
#target photoshop

(function () {
    var list = new File(Folder("~").fsName + "/temppics.adob");
    if (!list.exists || !list.open("r")) {
        alert("No exported sketch was found: " + list.fsName + " is missing.");
        return;
    }
    var folder = new Folder(list.readln());
    list.close();

    var names = [];
    var namesFile = new File(folder.fsName + "/layers.txt");
    namesFile.encoding = "UTF-8";
    if (namesFile.exists && namesFile.open("r")) {
        while (!namesFile.eof)
            names.push(namesFile.readln());
        namesFile.close();
    }

    var background = new File(folder.fsName + "/background.png");
    if (!background.exists) {
        alert("The exported sketch in " + folder.fsName + " has no background.png.");
        return;
    }
    var sketch = app.open(background);
    for (var i = 0; ; ++i) {
        var image = new File(folder.fsName + "/" + i + ".png");
        if (!image.exists)
            break;
        var layerImage = app.open(image);
        // Each new layer goes on top: the first layer of the sketch ends lowest, as drawn.
        layerImage.activeLayer.duplicate(sketch, ElementPlacement.PLACEATBEGINNING);
        layerImage.close(SaveOptions.DONOTSAVECHANGES);
        app.activeDocument = sketch;
        sketch.activeLayer.name = i < names.length && names[i] ? names[i] : "layer " + (i + 1);
    }
})();
