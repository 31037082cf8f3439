[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"nested_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<nested_iUtils>
[cc.clone.struct.begin] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner>
[cc.clone.struct.field] field_name=<i> return_type=<ret(long)>
[cc.clone.struct.end] return_type=<ret(long)> arg_type=<M::Outer::Inner>
[cc.clone.struct.pointer.begin] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner>
[cc.clone.struct.pointer.field] field_name=<i> return_type=<ret(long)>
[cc.clone.struct.pointer.end] return_type=<ret(long)> arg_type=<M::Outer::Inner>
[cc.make.struct.begin] make_type=<M_Outer_Inner> return_type=<ret(NT_struct_fixed M::Outer::Inner)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[cc.make.struct.field] field_name=<i> arg_name=<arg1>
[cc.make.struct.end] make_type=<M_Outer_Inner> return_type=<ret(NT_struct_fixed M::Outer::Inner)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[cc.compare.struct.begin] return_type=<M::Outer::Inner> arg_type=<M::Outer::Inner>
[cc.compare.struct.field] field_name=<i> return_type=<ret(long)>
[cc.compare.struct.end] return_type=<ret(long)> arg_type=<M::Outer::Inner>
[cc.clone.enum] return_type=<ret(NT_enum M::Outer::Mode)> arg_type=<in(NT_enum M::Outer::Mode)>
[cc.compare.enum] return_type=<ret(NT_enum M::Outer::Mode)> arg_type=<in(NT_enum M::Outer::Mode)>
[cc.clone.struct.begin] return_type=<M::Outer> arg_type=<M::Outer>
[cc.clone.struct.field] field_name=<in1> return_type=<ret(NT_struct_fixed M::Outer::Inner)>
[cc.clone.struct.field] field_name=<mode> return_type=<ret(NT_enum M::Outer::Mode)>
[cc.clone.struct.field] field_name=<after> return_type=<ret(long)>
[cc.clone.struct.end] return_type=<ret(long)> arg_type=<M::Outer>
[cc.clone.struct.pointer.begin] return_type=<M::Outer> arg_type=<M::Outer>
[cc.clone.struct.pointer.field] field_name=<in1> return_type=<ret(NT_struct_fixed M::Outer::Inner)>
[cc.clone.struct.pointer.field] field_name=<mode> return_type=<ret(NT_enum M::Outer::Mode)>
[cc.clone.struct.pointer.field] field_name=<after> return_type=<ret(long)>
[cc.clone.struct.pointer.end] return_type=<ret(long)> arg_type=<M::Outer>
[cc.make.struct.begin] make_type=<M_Outer> return_type=<ret(NT_struct_fixed M::Outer)> arglist=<[cchh.argument] arg_type=<ret(NT_struct_fixed M::Outer::Inner)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_enum M::Outer::Mode)> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg3>
>
[cc.make.struct.field] field_name=<in1> arg_name=<arg1>
[cc.make.struct.field] field_name=<mode> arg_name=<arg2>
[cc.make.struct.field] field_name=<after> arg_name=<arg3>
[cc.make.struct.end] make_type=<M_Outer> return_type=<ret(NT_struct_fixed M::Outer)> arglist=<[cchh.argument] arg_type=<ret(NT_struct_fixed M::Outer::Inner)> arg_name=<arg1>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(NT_enum M::Outer::Mode)> arg_name=<arg2>
[cchh.arglist.separator]
[cchh.argument] arg_type=<ret(long)> arg_name=<arg3>
>
[cc.compare.struct.begin] return_type=<M::Outer> arg_type=<M::Outer>
[cc.compare.struct.field] field_name=<in1> return_type=<ret(NT_struct_fixed M::Outer::Inner)>
[cc.compare.struct.field] field_name=<mode> return_type=<ret(NT_enum M::Outer::Mode)>
[cc.compare.struct.field] field_name=<after> return_type=<ret(long)>
[cc.compare.struct.end] return_type=<ret(long)> arg_type=<M::Outer>
[cc.clone.enum] return_type=<ret(NT_enum M::Choice::Shade)> arg_type=<in(NT_enum M::Choice::Shade)>
[cc.compare.enum] return_type=<ret(NT_enum M::Choice::Shade)> arg_type=<in(NT_enum M::Choice::Shade)>
[cc.clone.union.begin] return_type=<M::Choice> arg_type=<M::Choice>
[cc.clone.union.field] field_name=<shade> return_type=<ret(NT_enum M::Choice::Shade)> discriminant_value=<1>
[cc.clone.union.field] field_name=<o> return_type=<ret(NT_struct_fixed M::Outer)> discriminant_value=<2>
[cc.clone.union.end] return_type=<ret(NT_struct_fixed M::Outer)> arg_type=<M::Choice>
[cc.clone.union.pointer.begin] return_type=<M::Choice> arg_type=<M::Choice>
[cc.clone.union.pointer.field] field_name=<shade> return_type=<ret(NT_enum M::Choice::Shade)> discriminant_value=<1>
[cc.clone.union.pointer.field] field_name=<o> return_type=<ret(NT_struct_fixed M::Outer)> discriminant_value=<2>
[cc.clone.union.pointer.end] return_type=<ret(NT_struct_fixed M::Outer)> arg_type=<M::Choice>
[cc.make.union.begin] make_type=<M_Choice> return_type=<ret(NT_union_fixed M::Choice)>
[cc.make.union.field] field_name=<shade> arg_type=<ret(NT_enum M::Choice::Shade)> discriminant_value=<1>
[cc.make.union.field] field_name=<o> arg_type=<ret(NT_struct_fixed M::Outer)> discriminant_value=<2>
[cc.make.union.end] make_type=<M_Choice> return_type=<ret(NT_union_fixed M::Choice)>
[cc.compare.union.begin] return_type=<M::Choice> arg_type=<M::Choice>
[cc.compare.union.field] field_name=<shade> return_type=<ret(NT_enum M::Choice::Shade)> discriminant_value=<1>
[cc.compare.union.field] field_name=<o> return_type=<ret(NT_struct_fixed M::Outer)> discriminant_value=<2>
[cc.compare.union.end] return_type=<ret(NT_struct_fixed M::Outer)> arg_type=<M::Choice>
[cc.clone.struct.begin] return_type=<M::Bad::Detail> arg_type=<M::Bad::Detail>
[cc.clone.struct.field] field_name=<text> return_type=<ret(NT_string local type)>
[cc.clone.struct.end] return_type=<ret(NT_string local type)> arg_type=<M::Bad::Detail>
[cc.clone.struct.pointer.begin] return_type=<M::Bad::Detail> arg_type=<M::Bad::Detail>
[cc.clone.struct.pointer.field] field_name=<text> return_type=<ret(NT_string local type)>
[cc.clone.struct.pointer.end] return_type=<ret(NT_string local type)> arg_type=<M::Bad::Detail>
[cc.make.struct.begin] make_type=<M_Bad_Detail> return_type=<ret(NT_struct_fixed M::Bad::Detail)> arglist=<[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg1>
>
[cc.make.struct.field] field_name=<text> arg_name=<arg1>
[cc.make.struct.end] make_type=<M_Bad_Detail> return_type=<ret(NT_struct_fixed M::Bad::Detail)> arglist=<[cchh.argument] arg_type=<ret(NT_string local type)> arg_name=<arg1>
>
[cc.compare.struct.begin] return_type=<M::Bad::Detail> arg_type=<M::Bad::Detail>
[cc.compare.struct.field] field_name=<text> return_type=<ret(NT_string local type)>
[cc.compare.struct.end] return_type=<ret(NT_string local type)> arg_type=<M::Bad::Detail>
[cc.clone.interface] interface_name=<M::I> return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)>
[cc.compare.interface] interface_name=<M::I> return_type=<ret(NT_interface M::I)> arg_type=<in(NT_interface M::I)>
[cc.class.begin] class_name=<M_I_i>
[cc.class.members.begin] class_name=<M_I_i>
[cc.class.member.begin] return_type=<> function_name=<M_I_i> arglist=<> class_name=<M_I_i>
[cc.class.member.body.begin] return_type=<> function_name=<M_I_i> arglist=<> class_name=<M_I_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<ret(NT_struct_fixed M.Outer)> function_name=<get> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_I_i>
[cc.class.member.body.begin] return_type=<ret(NT_struct_fixed M.Outer)> function_name=<get> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_I_i>
[cc.class.member.fixedstruct.stubout] return_type=<ret(NT_struct_fixed M.Outer)>
[cc.class.member.fixedstruct.dummy_return] return_type=<ret(NT_struct_fixed M.Outer)>
[cc.class.member.end] return_type=<ret(NT_struct_fixed M.Outer)>
[cc.class.member.begin] return_type=<ret(NT_union_fixed M.Choice)> function_name=<pick> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_I_i>
[cc.class.member.body.begin] return_type=<ret(NT_union_fixed M.Choice)> function_name=<pick> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<M_I_i>
[cc.class.member.fixedstruct.stubout] return_type=<ret(NT_union_fixed M.Choice)>
[cc.class.member.fixedstruct.dummy_return] return_type=<ret(NT_union_fixed M.Choice)>
[cc.class.member.end] return_type=<ret(NT_union_fixed M.Choice)>
[cc.class.end]
[cc.main.begin] mainclass=<nested_i>
[cc.main.stubout] mainclass=<nested_i>
[cc.main.end] mainclass=<nested_i>
[cc.class.end]
[cc.end]
