// The C# port on the project's table of cases (tests/cases.tsv), and what only C# has.
using System;
using System.Collections.Generic;
using System.IO;
using System.Linq;
using System.Text.RegularExpressions;
using Orv;
using Xunit;

public class PillTest
{
    // The build copies the project's table beside the tests.
    static string TablePath() => Path.Combine(AppContext.BaseDirectory, "cases.tsv");

    // A field of the table as the text it stands for (its escapes are described in the table).
    static string Decode(string field)
    {
        Match match = Regex.Match(field, @"^((?:[^\\]|\\.)*?)(?:\\\*(\d+))?$", RegexOptions.Singleline);
        string unit = Regex.Replace(match.Groups[1].Value, @"\\(.)", m => m.Groups[1].Value switch
        {
            "0" => "\0", "t" => "\t", "n" => "\n", "r" => "\r", var code => code,
        }, RegexOptions.Singleline);
        int count = match.Groups[2].Success ? int.Parse(match.Groups[2].Value) : 1;
        return string.Concat(Enumerable.Repeat(unit, count));
    }

    public static IEnumerable<object?[]> Cases() =>
        File.ReadAllLines(TablePath()).Where(line => line.Length > 0 && !line.StartsWith("#")).Select(line =>
        {
            string[] f = line.Split('\t');
            FailPill? expected = f[5] == "-" ? null
                : new FailPill((FailKind)int.Parse(f[5]), Decode(f[6]), Decode(f[7]), Decode(f[8]), f[9] == "true", false);
            return new object?[] { f[0], f[1] == "true", Decode(f[2]), f[3] == "-" ? null : Decode(f[3]), f[4] == "true", expected };
        });

    [Fact]
    public void TheTableHasItsCases() => Assert.True(Cases().Count() > 30);

    [Theory]
    [MemberData(nameof(Cases), DisableDiscoveryEnumeration = true)]
    public void EachCase(string name, bool loaded, string micState, string? error, bool running, FailPill? expected)
    {
        Assert.False(string.IsNullOrEmpty(name));
        Assert.Equal(expected, Pill.SelectFailPill(loaded, micState, error, running));
    }

    [Fact]
    public void TextsComeBackAsGivenLoneSurrogatesToo()
    {
        foreach (string error in new[] { "lone \uD800 surrogate", "\uDFFF" })
        {
            Assert.Equal(error, Pill.SelectFailPill(true, "active", error, true)!.Message);
        }
    }

    [Fact]
    public void ANullMicStateIsRefusedByName()
    {
        var refused = Assert.Throws<ArgumentNullException>(() => Pill.SelectFailPill(true, null!, null, true));
        Assert.Equal("micState", refused.ParamName);
        Assert.Equal("message", Assert.Throws<ArgumentNullException>(() => new FailPill(FailKind.Generic, null!, "", "", true, false)).ParamName);
    }

    [Fact]
    public void APillIsAValueWithAHashThatAgrees()
    {
        FailPill pill = Pill.SelectFailPill(true, "active", "lost", true)!;
        var same = new FailPill(FailKind.Generic, "lost", "", "", true, false);
        Assert.True(pill == same && pill.Equals((object)same) && pill.GetHashCode() == same.GetHashCode());
        Assert.Equal("FailPill { Kind = Generic, Message = \"lost\", ActionLabel = \"\", DeepLink = \"\", Dismissable = True, Reserved = False }", pill.ToString());
    }

    [Fact]
    public void PillsDifferingInOneMemberAreUnequalWithHashesThatDiffer()
    {
        var pill = new FailPill(FailKind.Generic, "lost", "label", "link", true, false);
        foreach (FailPill other in new[]
        {
            new FailPill(FailKind.DeviceRemoved, "lost", "label", "link", true, false),
            new FailPill(FailKind.Generic, "Lost", "label", "link", true, false),
            new FailPill(FailKind.Generic, "lost", "label ", "link", true, false),
            new FailPill(FailKind.Generic, "lost", "label", "lin", true, false),
            new FailPill(FailKind.Generic, "lost", "label", "link", false, false),
            new FailPill(FailKind.Generic, "lost", "label", "link", true, true),
        })
        {
            Assert.True(pill != other && !pill.Equals(other) && !pill.Equals((object)other), other.ToString());
            Assert.True(pill.GetHashCode() != other.GetHashCode(), $"the hash skips a member: {other}");
        }
    }
}
