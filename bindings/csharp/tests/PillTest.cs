// The C# binding against the shared library, on the cases of bindings/tests/cases.tsv, whose
// path is the first argument; compiled into one assembly with Pill.cs. Prints each failure and "N passed, N failed"; exits 1 on a failure.
using System;
using System.IO;
using System.Runtime.InteropServices;
using Orv;

static class PillTest
{
    static int passed, failed;

    static void Expect(bool holds, string name)
    {
        if (holds) { passed++; return; }
        failed++;
        Console.Error.WriteLine($"FAIL: {name}");
    }

    static int Main(string[] arguments)
    {
        foreach (string line in File.ReadAllLines(arguments[0]))
        {
            if (line.StartsWith("#")) continue;
            string[] f = line.Split('\t');
            FailPill expected = f[5] == "-" ? null : new FailPill((FailKind)int.Parse(f[5]), f[6], f[7], f[8], f[9] == "true", false);
            FailPill actual = Pill.SelectFailPill(f[1] == "true", f[2], f[3] == "-" ? null : f[3], f[4] == "true");
            Expect(actual == expected, $"{f[0]}: {actual}");
        }

        FailPill first = Pill.SelectFailPill(true, "active", "capture device failed to start", true);
        Pill.SelectFailPill(true, "active", new string('X', first.Message.Length), true);
        GC.Collect();
        Expect(first.Message == "capture device failed to start", "a Generic message is its own after more calls");

        try { Pill.SelectFailPill(true, null, null, true); Expect(false, "a null micState is refused"); }
        catch (ArgumentNullException e) { Expect(e.ParamName == "micState", "a null micState is refused, named"); }
        Expect(System.Text.RegularExpressions.Regex.IsMatch(Pill.LibraryVersion, @"^\d+\.\d+\.\d+$"), "the version");

        string[] fields = { "Message", "MessageSize", "ActionLabel", "ActionLabelSize", "DeepLink", "DeepLinkSize", "Dismissable", "Reserved" };
        string layout = Marshal.SizeOf(typeof(Pill.View)) + " " + string.Join(" ", Array.ConvertAll(fields, f => Marshal.OffsetOf(typeof(Pill.View), f)));
        Expect(layout == "64 8 16 24 32 40 48 56 57", $"the declared layout is the header's: {layout}");

        Console.WriteLine($"{passed} passed, {failed} failed");
        return failed == 0 ? 0 : 1;
    }
}
