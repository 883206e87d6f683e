"""The game's texts in a language, read from its own .ts file and composed
as the game composes them."""

import os
import re
import xml.etree.ElementTree as ElementTree


class Translation:
    """The language's texts, looked up as the game looks them up."""

    def __init__(self, locale):
        # ar_EG.UTF-8 speaks ar, zh_CN.UTF-8 zh_CN.
        name = locale.split(".")[0]
        folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../translations")
        path = os.path.join(folder, f"tavrin-dropline_{name}.ts")
        if not os.path.exists(path):
            path = os.path.join(folder, f"tavrin-dropline_{name.split('_')[0]}.ts")
        self.texts = {}
        for context in ElementTree.parse(path).getroot().iter("context"):
            name = context.findtext("name") or ""
            for message in context.iter("message"):
                translation = message.find("translation")
                forms = [form.text for form in translation.iter("numerusform")]
                key = (name, message.findtext("source"), message.findtext("comment"))
                self.texts[key] = forms or translation.text

    def __call__(self, context, source, comment=None, *args):
        # One pass, as QString::arg with several arguments: a filled-in value
        # is never filled in again.
        return re.sub(r"%([1-9])", lambda marker: str(args[int(marker.group(1)) - 1]),
                      self.texts[(context, source, comment)])
